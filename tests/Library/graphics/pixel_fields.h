#pragma once
// A 16-bit pixel as its three raw fields, in either layout.

#include "Library/graphics/pixel_format.h"

#include <cstdint>

struct PixelFields {
    int r, g, b;
};

inline PixelFields SplitPixel(int format, uint16_t p) {
    return format == kPixelFormat555 ? PixelFields{p >> 10 & 31, p >> 5 & 31, p & 31}
                                     : PixelFields{p >> 11 & 31, p >> 5 & 63, p & 31};
}

inline uint16_t JoinPixel(int format, PixelFields f) {
    return static_cast<uint16_t>(format == kPixelFormat555 ? f.r << 10 | f.g << 5 | f.b
                                                           : f.r << 11 | f.g << 5 | f.b);
}
