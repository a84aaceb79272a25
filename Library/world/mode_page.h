#pragma once
// The page object of one game mode (a screen or an editor): the frame driver makes it when
// its mode becomes current, runs it every frame and deletes it when the mode changes.

#include <SDL/SDL.h>

class Screen;

class ModePage {
public:
    virtual ~ModePage() = default;
    virtual void Update(Screen& screen) = 0;
    virtual void Draw(Screen& screen) = 0;
    virtual void HandleEvent(const SDL_Event&) {} // pages that take input only through widgets
    // A change of place is about to save the map and the party: what the page holds of either
    // goes back first, or the save would miss it.
    virtual void LeaveWorld() {}
};
