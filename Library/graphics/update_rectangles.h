#pragma once
// The screen areas changed this frame, handed to SDL at the frame's end instead of
// presenting the whole screen. The 800 x 600 screen size is built into the bounds.

#include <SDL/SDL.h>

class Screen;

class UpdateRectangles {
public:
    static constexpr int kMaxRects = 20;
    static constexpr int kScreenWidth = 800;
    static constexpr int kScreenHeight = 600;

    UpdateRectangles() = default;
    virtual ~UpdateRectangles() = default;
    UpdateRectangles(const UpdateRectangles&) = delete;
    UpdateRectangles& operator=(const UpdateRectangles&) = delete;

    // Cut to the screen (a negative corner moves to 0 keeping its size); areas off the
    // screen or empty are ignored. A full list becomes the whole screen.
    void Add(int x, int y, int w, int h);
    void Flush(const Screen& screen); // SDL_UpdateRects of the list, which is then empty

    int GetCount() const { return m_count; }
    const SDL_Rect& GetRect(int i) const { return m_rects[i]; } // i below GetCount()

private:
    int m_count = 0;
    SDL_Rect m_rects[kMaxRects];
};

extern UpdateRectangles* g_updateRects; // made by the game's set-up
