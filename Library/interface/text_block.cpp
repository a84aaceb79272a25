#include "Library/interface/text_block.h"

#include "Library/graphics/colour.h"
#include "Library/graphics/screen.h"

#include <algorithm>
#include <cassert>

template <class Wrapper>
void TextBlock::Wrap(uint32_t id, const char* text, int width, Wrapper wrap) {
    assert(g_screen != nullptr);
    m_id = id;
    m_text = text;
    g_screen->SetFont(GetFont());
    m_lineCount = static_cast<uint32_t>((g_screen->*wrap)(m_text, width, m_lines));
    Measure();
}

TextBlock& TextBlock::operator=(const TextBlock& other) {
    if (this == &other)
        return *this;
    m_pos = other.m_pos;
    m_id = other.m_id;
    m_lineCount = other.m_lineCount;
    m_text = other.m_text;
    // A string's own copy takes one chained string; the block needs them all.
    m_lines.Clear();
    m_lines.SetText(other.m_lines.c_str());
    for (const Stringc* line = other.m_lines.GetNext(); line != nullptr; line = line->GetNext())
        m_lines.AppendToChain(line->c_str());
    m_font = other.m_font;
    m_highlight = other.m_highlight;
    m_showCursor = other.m_showCursor;
    return *this;
}

void TextBlock::SetText(uint32_t id, const char* text, int width) {
    Wrap(id, text, width, &Screen::WrapText);
}

void TextBlock::SetTextCharWrap(uint32_t id, const char* text, int width) {
    Wrap(id, text, width, &Screen::WrapTextByChar);
}

void TextBlock::Measure() {
    assert(g_screen != nullptr);
    g_screen->SetFont(GetFont());
    int widest = 0;
    for (const Stringc* line = &m_lines; line != nullptr; line = line->GetNext())
        widest = std::max(widest, g_screen->TextWidth(line->c_str()));
    m_pos.w = widest;
    m_pos.h = g_screen->FontHeight() * static_cast<int>(m_lineCount);
}

Stringc TextBlock::GetLine(int n) const {
    const Stringc* line = &m_lines;
    for (int i = 0; line != nullptr && i < n; ++i)
        line = line->GetNext();
    if (n < 0 || n >= GetLineCount() || line == nullptr)
        return Stringc("0");
    return *line;
}

void TextBlock::SetPosition(int x, int y) {
    m_pos.x = x;
    m_pos.y = y;
}

void TextBlock::Move(int dx, int dy) {
    m_pos.x += dx;
    m_pos.y += dy;
}

bool TextBlock::Contains(int x, int y) const {
    return x >= m_pos.x && x < m_pos.x + m_pos.w && y >= m_pos.y && y < m_pos.y + m_pos.h;
}

void TextBlock::Draw(Screen& screen, bool blink, int top) const {
    const bool cursor = m_showCursor && blink;
    if (m_text.Length() == 0) {
        if (cursor && m_pos.y >= top)
            screen.DrawText(m_pos.x, m_pos.y, Stringc(kCursor));
        return;
    }
    screen.SetFont(GetFont());
    int row = 0;
    for (const Stringc* line = &m_lines; line != nullptr; line = line->GetNext(), ++row) {
        const int y = m_pos.y + row * screen.FontHeight();
        if (y < top)
            continue;
        if (cursor && line->GetNext() == nullptr)
            screen.DrawText(m_pos.x, y, *line + kCursor);
        else
            screen.DrawText(m_pos.x, y, *line);
    }
    if (m_highlight) {
        const uint16_t saved = screen.GetDrawColour();
        screen.SetDrawColour(Colour(255, 255, 255).Pack16());
        screen.DrawLine(m_pos.x, m_pos.y, m_pos.x + m_pos.w, m_pos.y + m_pos.h);
        screen.SetDrawColour(saved);
    }
}
