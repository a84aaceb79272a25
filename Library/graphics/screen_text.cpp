#include "Library/graphics/screen.h"

#include "Library/core/stringc.h"
#include "Library/files/date_time.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/font.h"

namespace {

// Stores a finished line: the first non-empty line takes the head's place, every
// later one (empty ones from blank lines too) joins the chain.
void StoreLine(Stringc& lines, Stringc line) {
    line.TrimLeft();
    line.Trim();
    if (lines.Length() == 0)
        lines = line.c_str();
    else
        lines.AppendToChain(line.c_str());
}

void StoreLastLine(Stringc& lines, const Stringc& line) {
    if (line.Length() > 0 && line != " ")
        StoreLine(lines, line);
}

} // namespace

void Screen::DrawText(int x, int y, const Stringc& text) {
    if (m_currentFont)
        m_currentFont->Render(m_videoSurface, x, y, text.c_str());
}

void Screen::DrawTextCentered(int x, int y, const Stringc& text) {
    DrawText(x - TextWidth(text.c_str()) / 2, y - FontHeight() / 2, text);
}

int Screen::WrapText(const Stringc& text, int maxWidth, Stringc& lines) const {
    lines.Clear();
    Stringc rest(text);
    Stringc line;
    int width = 0;
    for (;;) {
        bool newline = false;
        const Stringc word = rest.NextWord(newline);
        if (word.Length() == 0)
            break;
        const int wordWidth = TextWidth(word.c_str());
        width += wordWidth;
        if (width > maxWidth) {
            StoreLine(lines, line);
            line = word;
            width = wordWidth;
        } else {
            line += word;
        }
        if (newline) {
            StoreLine(lines, line);
            line = "";
            width = 0;
        }
    }
    StoreLastLine(lines, line);
    return lines.ChainCount();
}

int Screen::WrapTextByChar(const Stringc& text, int maxWidth, Stringc& lines) const {
    lines.Clear();
    Stringc line;
    int width = 0;
    for (const char* c = text.c_str(); *c; ++c) {
        width += m_currentFont ? m_currentFont->GlyphAdvance(*c) : 0;
        if (width > maxWidth) {
            StoreLine(lines, line);
            width = m_currentFont ? m_currentFont->GlyphInkWidth(*c) : 0;
            line = *c;
        } else {
            line += *c;
        }
    }
    StoreLastLine(lines, line);
    return lines.ChainCount();
}

void Screen::DrawTextBox(int x, int y, const Stringc& text, int boxMode, int r, int g, int b) {
    m_drawColour =
        Colour(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)).Pack16();
    DrawBox(boxMode, x - 3, y - 1, x + TextWidth(text.c_str()) + 2, y + FontHeight() - 1);
}

void Screen::DrawTextBoxAt(int x, int y, const Stringc& text, int r, int g, int b) {
    m_drawColour =
        Colour(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)).Pack16();
    DrawRect(x - 3, y - 1, x + TextWidth(text.c_str()) + 2, y + FontHeight() - 1);
}

void Screen::PrintDateTime(int x, int y, const DateTime& time) {
    Printf(x, y, "%2.2d hr, %2.2d min, %2.2d sec, %3.3d ms", time.GetHours(), time.GetMinutes(),
           time.GetSeconds(), time.GetMilliseconds());
    Printf(x, y + LineSkip(), "%.4s, %2.2d %4.4s, %d", time.DayName().c_str(), time.GetDay(),
           time.MonthName().c_str(), time.GetYear());
}
