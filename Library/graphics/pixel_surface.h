#pragma once
// The target of every drawing routine: 16-bit pixels addressed as
// pixels[y * width + x], so rows must have no spare bytes at their end.

#include "Library/graphics/rect.h"

#include <algorithm>
#include <cstdint>

struct PixelSurface {
    // Pixel bounds, x2 and y2 exclusive, in a type the sums of placements cannot overflow.
    struct Area {
        long x1, y1, x2, y2;
        bool Holds(long x, long y) const { return x >= x1 && x < x2 && y >= y1 && y < y2; }
    };

    uint16_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t pitch = 0; // row length in pixels as the surface reports it; not used for addressing

    // The part of the clip rectangle on the surface: drawing kept inside it stays on both.
    Area Visible(const Rect& clip) const {
        return {std::max<long>(clip.x1, 0), std::max<long>(clip.y1, 0),
                std::min<long>(clip.x2, width), std::min<long>(clip.y2, height)};
    }
};
