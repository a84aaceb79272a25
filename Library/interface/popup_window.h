#pragma once
// A movable box of image buttons stacked downwards (the play screen's command boxes). The
// button under a moving mouse shows pressed whether or not a mouse button is down.

#include "Library/graphics/rect.h"

#include <SDL/SDL.h>

#include <cstdint>

class InterfaceObject;
class Screen;

class PopupWindow {
public:
    PopupWindow(const char* image, int buttonSpacing); // a window of g_interface at 0, 0
    PopupWindow(const PopupWindow&) = delete;
    PopupWindow& operator=(const PopupWindow&) = delete;
    ~PopupWindow(); // its window leaves the interface, unless the interface was cleared

    // Below the last button added, spacing pixels apart; the first at the top-left.
    void AddButton(const char* image, uint32_t id);
    void SetBounds(const Rect& bounds); // the whole screen until set
    void MoveTo(int x, int y);          // kept inside the bounds
    void Activate();
    void GetPosition(int& x, int& y) const;
    bool Contains(int x, int y) const; // bounds included
    int GetClickedId() const;          // -1 when none
    void HandleEvent(const SDL_Event& event);
    void Draw(Screen& screen);
    InterfaceObject* GetWindow() const { return m_window; }

private:
    InterfaceObject* m_window;
    Rect m_bounds{0, 0, 800, 600};
    int m_buttonSpacing;
};
