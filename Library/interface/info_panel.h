#pragma once
// A scrolling list of text lines behind a rectangle that turns a mouse press and release on
// the same line into that line's clicked id, reported once.

#include "Library/graphics/rect.h"
#include "Library/interface/gt_window.h"

#include <SDL/SDL.h>

#include <cstdint>

class Screen;
class Stringc;

class InfoPanel {
public:
    InfoPanel(const Rect& rect, int stacking, int maxLines, int font, int highlightFont);
    InfoPanel(const InfoPanel&) = delete;
    InfoPanel& operator=(const InfoPanel&) = delete;
    virtual ~InfoPanel();

    void AddText(const char* text); // id 0
    void AddTextWithId(int id, const char* text);
    void Clear();

    bool HandleEvent(const SDL_Event& event); // true for mouse button events
    int TakeClickedLine();                    // the clicked id once, then -1
    int PeekClickedLine() const { return m_clickedId; }
    bool TakeClickedText(Stringc& text);

    bool GetLineText(int id, Stringc& text) const { return m_window.GetBlockText(id, text); }
    void Highlight(int id) { m_window.Highlight(id); }
    void ScrollUp(uint32_t frameMs) { m_window.ScrollUp(frameMs); }
    void ScrollDown(uint32_t frameMs) { m_window.ScrollDown(frameMs); }
    bool TakeRedraw() { return m_window.TakeChanged(); }
    const GtWindow& GetWindow() const { return m_window; }
    bool Contains(int x, int y) const; // bounds included
    const Rect& GetRect() const { return m_rect; }

    virtual void SetRect(const Rect& rect);
    virtual void Move(int x, int y);
    virtual void Draw(Screen& screen);

private:
    Rect m_rect;
    GtWindow m_window;
    int m_pressedId = -1;
    int m_clickedId = -1;
};
