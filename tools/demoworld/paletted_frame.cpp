#include "tools/demoworld/paletted_frame.h"

#include <cstdlib>

void PalettedFrame::Put(int x, int y, uint8_t index) {
    if (x >= 0 && y >= 0 && x < m_surface->w && y < m_surface->h)
        static_cast<uint8_t*>(m_surface->pixels)[y * m_surface->pitch + x] = index;
}

void PalettedFrame::Fill(int x1, int y1, int x2, int y2, uint8_t index) {
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            Put(x, y, index);
}

void PalettedFrame::Ellipse(int cx, int cy, int rx, int ry, uint8_t index) {
    for (int y = cy - ry; y <= cy + ry; ++y)
        for (int x = cx - rx; x <= cx + rx; ++x) {
            const double dx = rx > 0 ? static_cast<double>(x - cx) / rx : 0.0;
            const double dy = ry > 0 ? static_cast<double>(y - cy) / ry : 0.0;
            if (dx * dx + dy * dy <= 1.0)
                Put(x, y, index);
        }
}

void PalettedFrame::Line(int x1, int y1, int x2, int y2, uint8_t index) {
    const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        Put(x1, y1, index);
        if (x1 == x2 && y1 == y2)
            return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x1 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y1 += sy;
        }
    }
}
