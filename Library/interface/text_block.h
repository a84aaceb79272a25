#pragma once
// One piece of text wrapped to a width, with the id a click on it reports, drawn in one of
// the Screen's font slots. Wrapping and measuring use g_screen.

#include "Library/core/stringc.h"
#include "Library/graphics/screen_pos.h"

#include <cstdint>
#include <limits>

class Screen;

class TextBlock {
public:
    static constexpr const char* kCursor = "|";

    TextBlock() = default;
    TextBlock(const TextBlock& other) { *this = other; }
    TextBlock& operator=(const TextBlock& other); // every field, every wrapped line

    void SetText(uint32_t id, const char* text, int width);         // wrapped by words
    void SetTextCharWrap(uint32_t id, const char* text, int width); // by characters
    void Measure(); // the widest line, and the font height per line

    Stringc GetLine(int n) const; // "0" outside the lines
    int GetLineCount() const { return static_cast<int>(m_lineCount); }
    const Stringc& GetText() const { return m_text; }
    uint32_t GetId() const { return m_id; }
    const ScreenPos& GetPosition() const { return m_pos; }
    void SetPosition(int x, int y);
    void Move(int dx, int dy);
    void SetFont(int index) { m_font = static_cast<uint32_t>(index); }
    int GetFont() const { return static_cast<int>(m_font); }
    void SetHighlight(bool on) { m_highlight = on; }
    bool IsHighlighted() const { return m_highlight; }
    void SetShowCursor(bool on) { m_showCursor = on; }
    bool Contains(int x, int y) const; // right and bottom edges excluded

    // blink: the game mode's 450 ms flag; the cursor shows while it is on. A line that starts
    // above top is left out whole, so a window's top edge shows no foot of a line gone past it.
    void Draw(Screen& screen, bool blink, int top = std::numeric_limits<int>::min()) const;

private:
    template <class Wrapper> void Wrap(uint32_t id, const char* text, int width, Wrapper wrap);

    ScreenPos m_pos;
    uint32_t m_id = 0;
    uint32_t m_lineCount = 0;
    Stringc m_text;
    Stringc m_lines; // one string per line, chained
    uint32_t m_font = 0;
    bool m_highlight = false;
    bool m_showCursor = false;
};
