#pragma once
// A frame clock that moves only when told: the measuring and tracing programs step it by
// a fixed frame, so the game plays the same whatever the machine's speed.

#include "Library/core/tick_source.h"

class SteppedClock : public TickSource {
public:
    uint32_t GetTicks() override { return m_now; }
    void Step(uint32_t ms) { m_now += ms; }

private:
    uint32_t m_now = 100000;
};
