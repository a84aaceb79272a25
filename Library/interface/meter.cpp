#include "Library/interface/meter.h"

#include "Library/graphics/colour.h"
#include "Library/graphics/ellipse_shape.h"

Meter::Meter(int x, int y, int length, int max, int orientation) {
    Meter::Reset();
    m_pos.x = x;
    m_pos.y = y;
    m_orientation = orientation & 3;
    Meter::SetLength(length);
    Meter::SetMax(max);
}

void Meter::Layout() {
    m_bottom = m_pos.y + m_pos.h;
    m_halfHeight = m_pos.h / 2;
    m_halfWidth = m_pos.w / 2;
    m_left = m_pos.x;
    m_centreY = m_pos.y + m_pos.h / 2;
}

void Meter::Reset() {
    m_pos = ScreenPos();
    m_max = m_value = m_length = 0;
    m_textMode = m_style = 0;
    m_orientation = kHorizontal;
    m_showText = false;
    m_barColour = 0xFFFF;
    m_backColour = 0;
    m_textColour = 0xFFFF;
    m_label.Clear();
    m_bottom = m_halfHeight = m_halfWidth = m_left = m_centreY = 0;
    m_step = kDefaultStep;
}

void Meter::SetMax(int max) {
    m_max = max;
    SetValue(m_value);
}

void Meter::SetLength(int length) {
    m_length = length;
    if (m_orientation == kHorizontal) {
        m_pos.w = length;
        m_pos.h = 1;
    } else {
        m_pos.h = length;
        m_pos.w = 1;
    }
}

void Meter::SetValue(int value) {
    if (value >= 0)
        m_value = value > m_max ? m_max : value;
}

void Meter::SetOrientation(int orientation) {
    m_orientation = orientation & 3;
    if (m_length != 0)
        SetLength(m_length);
}

void Meter::SetThickness(int thickness) {
    if (m_orientation == kHorizontal)
        m_pos.h = thickness;
    else
        m_pos.w = thickness;
}

void Meter::SetLabel(const Stringc& label) {
    m_label = label;
    m_showText = true;
}

uint16_t Meter::Pack(int r, int g, int b) {
    return Colour(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b))
        .Pack16();
}

void Meter::DrawCorner(Screen& screen, int x, int y, int quadrants) {
    EllipseShape corner;
    corner.valid = 1;
    corner.x = x;
    corner.y = y;
    corner.radiusX = corner.radiusY = 8.0;
    DrawEllipseQuadrants(corner, quadrants, &screen);
}
