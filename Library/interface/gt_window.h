#pragma once
// Text blocks stacked in a rectangle in the order they came: down from the top (stacking 1)
// or with the newest at the bottom edge (stacking 0). The oldest block goes when the count
// reaches its maximum; held scroll buttons move the text; a hit test tells and highlights
// the block under a point. Block objects are reused after they are dropped or cleared.

#include "Library/graphics/rect.h"

#include <cstdint>
#include <memory>
#include <vector>

class Screen;
class Stringc;
class TextBlock;

class GtWindow {
public:
    static constexpr int kScrollStep = 3;     // pixels per step
    static constexpr uint32_t kScrollMs = 30; // frame time a step waits for

    GtWindow(const Rect& rect, int stacking, int maxBlocks, int font, int highlightFont);
    GtWindow(const GtWindow&) = delete;
    GtWindow& operator=(const GtWindow&) = delete;
    virtual ~GtWindow();

    void Clear();
    void AddText(const char* text, int id);
    int GetBlockCount() const { return m_count; }
    const TextBlock& GetBlock(int index) const { return *m_blocks[index]; } // oldest is 0

    // Called each frame while a scroll button is held, with the frame time.
    void ScrollUp(uint32_t frameMs);
    void ScrollDown(uint32_t frameMs);

    int BlockAt(int x, int y); // id of the block under the point, highlighted; -1 none
    void ClearHighlight();
    int GetHighlightedId() const { return m_highlightedId; }
    void Highlight(int id); // marks every block with the id
    bool GetBlockText(int id, Stringc& text) const;

    void Draw(Screen& screen) const; // clipped to the rectangle
    bool TakeChanged();
    void Move(int x, int y);        // top-left, size kept
    void SetRect(const Rect& rect); // every block wrapped and laid out anew
    const Rect& GetRect() const { return m_rect; }

private:
    void DropOldest();
    void Layout();
    void LayoutDown();
    void LayoutUp();
    bool Scroll(uint32_t frameMs); // true when a step is due
    void MoveBlocks(int dx, int dy);
    int WrapWidth() const;

    Rect m_rect;
    uint8_t m_stacking;
    int m_maxBlocks;
    int m_highlightedId = -1;
    int m_font;
    int m_highlightFont;
    std::vector<std::unique_ptr<TextBlock>> m_blocks; // in use: the first m_count, by age
    int m_count = 0;
    bool m_changed = false;
    uint32_t m_scrollTimer = 0;
};
