#pragma once
// The target of every drawing routine: 16-bit pixels addressed as
// pixels[y * width + x], so rows must have no spare bytes at their end.

#include <cstdint>

struct PixelSurface {
    uint16_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t pitch = 0; // row length in pixels as the surface reports it; not used for addressing
};
