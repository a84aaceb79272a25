#pragma once
// A rectangle of four signed 16-bit corners; x2 and y2 are usually exclusive.

#include <cstdint>

struct Rect {
    int16_t x1 = 0;
    int16_t y1 = 0;
    int16_t x2 = 0;
    int16_t y2 = 0;

    static Rect Make(int x1, int y1, int x2, int y2) { // each corner cut to 16 bits
        return Rect{static_cast<int16_t>(x1), static_cast<int16_t>(y1), static_cast<int16_t>(x2),
                    static_cast<int16_t>(y2)};
    }

    Rect Translated(int dx, int dy) const { return Make(x1 + dx, y1 + dy, x2 + dx, y2 + dy); }
    // Every edge included, as the toolkit's hit tests count them.
    bool operator==(const Rect& o) const {
        return x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2;
    }
    bool operator!=(const Rect& o) const { return !(*this == o); }
    bool Covers(int x, int y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }

    // a lies inside b, or the two overlap (touching edges count).
    static bool Intersects(const Rect& a, const Rect& b) {
        const bool inside = a.x1 >= b.x1 && a.y1 >= b.y1 && a.x2 <= b.x2 && a.y2 <= b.y2;
        return inside || (a.x2 >= b.x1 && a.y2 >= b.y1 && a.x1 < b.x2 && a.y1 < b.y2);
    }
};
