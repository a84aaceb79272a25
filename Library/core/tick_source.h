#pragma once
// The millisecond clock that frame timing reads: SDL's tick count in the game, a clock of
// their own in tests.

#include <cstdint>

class TickSource {
public:
    virtual ~TickSource() = default;
    virtual uint32_t GetTicks() = 0; // milliseconds, wrapping after 49 days

    static TickSource& Sdl();
};
