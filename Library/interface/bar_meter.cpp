#include "Library/interface/bar_meter.h"

#include "Library/graphics/screen.h"

void BarMeter::Draw(Screen& screen) {
    if (m_max <= 0)
        return;
    const int filled = static_cast<int>(static_cast<double>(m_value) / m_max * m_length + 0.5);
    const int x = m_pos.x, y = m_pos.y, w = m_pos.w, h = m_pos.h;
    const bool horizontal = m_orientation != 0;
    const uint16_t savedColour = screen.GetDrawColour();
    if (m_style != 0) {
        screen.SetDrawColour(m_backColour);
        const int empty = m_length - filled;
        if (m_style == kStyleBackFill && horizontal)
            screen.FillRect(x + w - empty, y, x + w, y + h);
        else if (m_style == kStyleBackFill)
            screen.FillRect(x, y, x + w, y + empty);
        else
            screen.DrawRect(x - 2, y - 2, x + w + 1, y + (horizontal ? h : m_length) + 1);
    }
    screen.SetDrawColour(m_barColour);
    if (horizontal)
        screen.FillRect(x, y, x + filled, y + h);
    else
        screen.FillRect(x, y + h - filled, x + w, y + h);
    screen.SetDrawColour(savedColour);
}
