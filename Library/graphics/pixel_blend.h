#pragma once
// One pixel moved level / 32 of the way towards another, every channel at once, in either
// layout: the blend of the alpha spans and of sprites drawn through the clip map.

#include "Library/graphics/pixel_format.h"

#include <cstdint>

template <int Format> constexpr uint16_t kGreenMask = Format == kPixelFormat555 ? 0x03E0 : 0x07E0;
// Fields spread over 32 bits with room above each for a 5-bit product.
template <int Format>
constexpr uint32_t kSpreadMask = Format == kPixelFormat555 ? 0x03E07C1Fu : 0x07E0F81Fu;

template <int Format> inline uint32_t SpreadPixel(uint16_t p) {
    return (p & kSpreadMask<Format>) | static_cast<uint32_t>(p & kGreenMask<Format>) << 16;
}

// dst + (src - dst) x level / 32 per channel; level 0-31.
template <int Format> inline uint16_t BlendPixel(uint16_t src, uint16_t dst, uint32_t level) {
    const uint32_t spreadDst = SpreadPixel<Format>(dst);
    const uint32_t blended =
        ((((SpreadPixel<Format>(src) - spreadDst) * level) >> 5) + spreadDst) & kSpreadMask<Format>;
    return static_cast<uint16_t>(blended >> 16 | blended);
}
