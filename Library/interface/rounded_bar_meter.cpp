#include "Library/interface/rounded_bar_meter.h"

#include "Library/graphics/ellipse_shape.h"
#include "Library/graphics/screen.h"

#include <algorithm>

namespace {

constexpr int kRadius = 8;
constexpr int kStrip = 4;

} // namespace

RoundedBarMeter::RoundedBarMeter(int x, int y, int width, int height, int max, int orientation) {
    RoundedBarMeter::Reset();
    m_pos = ScreenPos{x, y, width, height};
    m_orientation = orientation & 3;
    RoundedBarMeter::SetMax(max);
    RoundedBarMeter::Layout();
}

void RoundedBarMeter::Reset() {
    Meter::Reset();
    m_endStyle = kEndLeft;
    m_arcY1 = m_arcY2 = m_arcX1 = m_arcX2 = 0;
    m_filled = 0;
}

// Across, the corner columns come from the length before this layout, so a second layout
// centres them on the new one.
void RoundedBarMeter::Layout() {
    Meter::Layout();
    if (m_orientation == kHorizontal) {
        m_arcY1 = m_endStyle == kEndTop ? m_pos.y + kRadius : m_bottom - kRadius;
        m_arcX1 = m_pos.x - m_length / 2;
        m_arcX2 = m_pos.x + m_length / 2;
        m_length = m_pos.w - 2 * m_step;
    } else {
        m_arcX1 = m_endStyle == kEndLeft ? m_pos.x - m_halfWidth + kRadius
                                         : m_pos.x + m_halfWidth - kRadius;
        m_arcY1 = m_pos.y + kRadius;
        m_arcY2 = m_bottom - kRadius;
        m_length = m_pos.h - 3 * m_step;
    }
    SetValue(m_value);
}

void RoundedBarMeter::SetValue(int value) {
    m_value = value;
    // a negative value shows no fill rather than a strip running backwards
    if (m_max != 0)
        m_filled = std::max(0, static_cast<int>(m_length * (static_cast<double>(value) / m_max)));
}

void RoundedBarMeter::SetMax(int max) {
    m_max = max;
    if (max != 0)
        Layout();
}

void RoundedBarMeter::SetOrientation(int orientation) {
    m_orientation = orientation & 3;
    if (m_orientation == kHorizontal && (m_endStyle == kEndRight || m_endStyle == kEndLeft))
        m_endStyle = kEndTop;
    else if (m_orientation != kHorizontal && (m_endStyle == kEndBottom || m_endStyle == kEndTop))
        m_endStyle = kEndLeft;
    Layout();
}

void RoundedBarMeter::SetEndStyle(int style) {
    m_endStyle = style;
    Layout();
}

void RoundedBarMeter::Draw(Screen& screen) {
    if (m_left == 0)
        Layout();
    const uint16_t savedColour = screen.GetDrawColour();
    screen.SetDrawColour(m_barColour);
    DrawOutline(screen);
    if (m_showText)
        DrawValueText(screen);
    screen.SetDrawColour(m_textColour);
    DrawFill(screen);
    screen.SetDrawColour(savedColour);
}

void RoundedBarMeter::DrawBack(Screen& screen, int amount) const {
    const int x = m_pos.x, y = m_pos.y, x1 = m_arcX1;
    const uint16_t savedColour = screen.GetDrawColour();
    screen.SetDrawColour(m_backColour);
    if (m_style == kStyleBackFill && m_orientation == 0)
        screen.FillRect(x, y, x + m_pos.w, y + m_length - amount);
    else if (m_style == kStyleBackFill)
        screen.FillRect(x1 + m_filled, m_bottom - kStrip, x1 + m_length, m_bottom);
    else if (m_orientation == 0)
        screen.DrawRect(x - 2, y - 2, x + m_pos.w + 1, y + m_length + 1);
    else
        screen.DrawRect(x1 - 2, m_bottom - 6, x1 + m_filled + 1, m_bottom + 1);
    screen.SetDrawColour(savedColour);
}

void RoundedBarMeter::DrawOutline(Screen& screen) const {
    const int x = m_pos.x, y = m_pos.y, bottom = m_bottom;
    const int x1 = m_arcX1, x2 = m_arcX2, y1 = m_arcY1, y2 = m_arcY2;
    if (m_orientation == kHorizontal && m_endStyle == kEndTop) {
        screen.HorizontalSpan(y, x1, x2 + 1);
        screen.VerticalSpan(x1 - kRadius, y1, bottom);
        screen.VerticalSpan(x2 + kRadius, y1, bottom);
        DrawCorner(screen, x1, y1, kEllipseTopLeft);
        DrawCorner(screen, x2, y1, kEllipseTopRight);
    } else if (m_orientation == kHorizontal) {
        screen.HorizontalSpan(bottom, x1, x2 + 1);
        screen.VerticalSpan(x1 - kRadius, y, y1 + 1);
        screen.VerticalSpan(x2 + kRadius, y, y1 + 1);
        DrawCorner(screen, x1, y1, kEllipseBottomLeft);
        DrawCorner(screen, x2, y1, kEllipseBottomRight);
    } else if (m_endStyle == kEndLeft) {
        screen.HorizontalSpan(y, x1, x1 + m_pos.w - kRadius);
        screen.HorizontalSpan(bottom, x1, x1 + m_pos.w - kRadius);
        DrawCorner(screen, x1, y1, kEllipseTopLeft);
        DrawCorner(screen, x1, y2, kEllipseBottomLeft);
        screen.VerticalSpan(x1 - kRadius, y1, y2 + 1);
    } else {
        screen.HorizontalSpan(y, x - m_halfWidth, x1 + 1);
        screen.HorizontalSpan(bottom, x - m_halfWidth, x1 + 1);
        DrawCorner(screen, x1, y1, kEllipseTopRight);
        DrawCorner(screen, x1, y2, kEllipseBottomRight);
        screen.VerticalSpan(x1 + kRadius, y1, y2 + 1);
    }
}

void RoundedBarMeter::DrawValueText(Screen& screen) const {
    if (m_orientation == 0)
        return;
    const int row = m_endStyle == kEndTop ? m_pos.y + 4 : m_bottom - 14;
    screen.DrawText(m_pos.x - 4 * m_label.Length(), row, m_label);
}

// The strip always lies along the open side of the outline.
void RoundedBarMeter::DrawFill(Screen& screen) const {
    const int x = m_pos.x, y = m_pos.y, w = m_pos.w;
    const int x1 = m_arcX1, y2 = m_arcY2;
    if (m_orientation == 0 && m_endStyle == kEndLeft)
        screen.FillRect(x1 + w - kRadius - kStrip, y2 - m_filled, x1 + w - kRadius, y2);
    else if (m_orientation == 0)
        screen.FillRect(x - m_halfWidth, y2 - m_filled, x - m_halfWidth + kStrip, y2);
    else if (m_endStyle == kEndTop)
        screen.FillRect(x1, m_bottom - kStrip, x1 + m_filled, m_bottom);
    else
        screen.FillRect(x1, y, x1 + m_filled, y + kStrip);
}
