#pragma once
// Events for the main loop, pushed on SDL's queue as the player's devices would, and the
// clock the tests drive frame time with.

#include "Library/core/tick_source.h"

#include <SDL/SDL.h>
#include <gtest/gtest.h>

namespace testsupport {

class ManualClock : public TickSource {
public:
    uint32_t GetTicks() override { return now; }
    uint32_t now = 100000;
};

inline void Push(SDL_Event event) {
    ASSERT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError();
}

inline SDL_Event Event(Uint8 type) {
    SDL_Event event{};
    event.type = type;
    event.button.button = SDL_BUTTON_LEFT; // for the button events
    return event;
}

inline SDL_Event Button(Uint8 type, Uint8 button) {
    SDL_Event event = Event(type);
    event.button.button = button;
    return event;
}

inline SDL_Event KeyUp(SDLKey key) {
    SDL_Event event = Event(SDL_KEYUP);
    event.key.keysym.sym = key;
    return event;
}

// A press that types the character, as SDL reports it with Unicode translation on.
inline SDL_Event KeyDown(SDLKey key, Uint16 typed = 0) {
    SDL_Event event = Event(SDL_KEYDOWN);
    event.key.keysym.sym = key;
    event.key.keysym.unicode = typed;
    return event;
}

inline SDL_Event Motion(int x, int y) {
    SDL_Event event = Event(SDL_MOUSEMOTION);
    event.motion.x = static_cast<Uint16>(x);
    event.motion.y = static_cast<Uint16>(y);
    return event;
}

} // namespace testsupport
