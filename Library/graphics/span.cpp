#include "Library/graphics/span.h"

#include "Library/graphics/colour.h"
#include "Library/graphics/colour_offset.h"
#include "Library/graphics/pixel_blend.h"
#include "Library/graphics/pixel_format.h"

#include <algorithm>
#include <cstring>

namespace {

int32_t s_offsetRed = 0;
int32_t s_offsetGreen = 0;
int32_t s_offsetBlue = 0;
uint32_t s_alphaLevel = 0; // 0-31
Colour s_recolourColours[7];
uint16_t s_excludedColour = 0;
uint16_t s_onlyColour = 0;
Colour s_tintColour;

// Masks that keep halves and quarters of a packed pixel from spilling into the next field.
template <int Format> constexpr uint16_t kHalfMask = Format == kPixelFormat555 ? 0x7BDE : 0xF7DE;
template <int Format> constexpr uint16_t kQuarterMask = Format == kPixelFormat555 ? 0x739C : 0xE79C;
template <int Format> inline uint16_t Half(uint16_t p) {
    return static_cast<uint16_t>((p & kHalfMask<Format>) >> 1);
}
template <int Format> inline uint16_t Quarter(uint16_t p) {
    return static_cast<uint16_t>((p & kQuarterMask<Format>) >> 2);
}

template <int Format> void AlphaSpan(uint16_t* dst, const uint16_t* src, int count) {
    const uint16_t key = g_colourKey;
    const uint32_t level = s_alphaLevel;
    for (int i = 0; i < count; ++i)
        if (src[i] != key)
            dst[i] = BlendPixel<Format>(src[i], dst[i], level);
}

// Blends with no key test: one packed expression per pixel.
template <class Blend> inline void BlendSpan(uint16_t* dst, const uint16_t* src, int count) {
    for (int i = 0; i < count; ++i)
        dst[i] = Blend::Apply(src[i], dst[i]);
}
template <class Blend> inline void BoxSpan(uint16_t* dst, uint16_t colour, int count) {
    for (int i = 0; i < count; ++i)
        dst[i] = Blend::Apply(colour, dst[i]);
}

template <int Format> struct BlendHalf {
    static uint16_t Apply(uint16_t s, uint16_t d) {
        return static_cast<uint16_t>(Half<Format>(s) + Half<Format>(d));
    }
};
template <int Format> struct BlendQuarter {
    static uint16_t Apply(uint16_t s, uint16_t d) {
        return static_cast<uint16_t>(Quarter<Format>(d) + Quarter<Format>(s) + Half<Format>(d));
    }
};
template <int Format> struct BlendThreeQuarter {
    static uint16_t Apply(uint16_t s, uint16_t d) {
        return static_cast<uint16_t>(Quarter<Format>(s) + Half<Format>(s) + Quarter<Format>(d));
    }
};

template <int Format> inline uint16_t Colourise(uint16_t p) {
    constexpr int greenMax = Format == kPixelFormat555 ? 31 : 63;
    constexpr int redShift = Format == kPixelFormat555 ? 10 : 11;
    const int r = std::clamp((p >> redShift & 31) + s_offsetRed, 0, 31);
    const int g = std::clamp((p >> 5 & greenMax) + s_offsetGreen, 0, greenMax);
    const int b = std::clamp((p & 31) + s_offsetBlue, 0, 31);
    return static_cast<uint16_t>(r << redShift | g << 5 | b);
}

template <int Format, bool Keyed>
void ColouriseSpan(uint16_t* dst, const uint16_t* src, int count) {
    const uint16_t key = g_colourKey;
    for (int i = 0; i < count; ++i) {
        const uint16_t s = src[i];
        if (!Keyed || s != key)
            dst[i] = Colourise<Format>(s);
    }
}

template <int Format> void CopySpanBright(uint16_t* dst, const uint16_t* src, int count) {
    constexpr int redShift = Format == kPixelFormat555 ? 10 : 11;
    constexpr unsigned greenMask = Format == kPixelFormat555 ? 31 : 63;
    constexpr unsigned greenMin = Format == kPixelFormat555 ? 13 : 26;
    const uint16_t key = g_colourKey;
    for (int i = 0; i < count; ++i) {
        const uint16_t s = src[i];
        const bool bright =
            (s >> redShift & 31) >= 13 && (s >> 5 & greenMask) >= greenMin && (s & 31) >= 13;
        dst[i] = bright && s != key ? s : dst[i];
    }
}

template <int Format> inline uint16_t Scaled(const Colour& colour, float factor) {
    auto channel = [factor](uint8_t value) {
        return static_cast<unsigned>(std::clamp(static_cast<int>(value * factor), 0, 255));
    };
    return PackPixel<Format>(channel(colour.red), channel(colour.green), channel(colour.blue));
}

template <int Format> void Recolour(uint16_t* dst, const uint16_t* src, int count) {
    const uint16_t key = g_colourKey;
    for (int i = 0; i < count; ++i) {
        if (src[i] == key)
            continue;
        const Colour c = Colour::Unpack<Format>(src[i]);
        const int colourClass = c.HueClass();
        if (colourClass != 7)
            dst[i] = Scaled<Format>(s_recolourColours[colourClass], c.Lightness());
    }
}

template <int Format> void Tint(uint16_t* dst, const uint16_t* src, int count) {
    const uint16_t key = g_colourKey;
    const Colour tint = s_tintColour;
    for (int i = 0; i < count; ++i) {
        if (src[i] == key)
            continue;
        dst[i] = Scaled<Format>(tint, Colour::Unpack<Format>(src[i]).Lightness());
    }
}

} // namespace

void FillSpan16(uint16_t* dst, uint16_t colour, int count) {
    if (count > 0)
        std::fill_n(dst, count, colour);
}

void CopySpan16(uint16_t* dst, const uint16_t* src, int count) {
    if (count > 0)
        std::memcpy(dst, src, static_cast<size_t>(count) * sizeof *dst);
}

void CopySpanReversed16(uint16_t* dst, const uint16_t* src, int count) {
    for (int i = 0; i < count; ++i)
        dst[i] = src[count - 1 - i];
}

void CopySpanKeyed16(uint16_t* dst, const uint16_t* src, int count) {
    const uint16_t key = g_colourKey;
    for (int i = 0; i < count; ++i)
        dst[i] = src[i] == key ? dst[i] : src[i];
}

void CopySpanKeyedReversed16(uint16_t* dst, const uint16_t* src, int count) {
    const uint16_t key = g_colourKey;
    for (int i = 0; i < count; ++i) {
        const uint16_t s = src[count - 1 - i];
        dst[i] = s == key ? dst[i] : s;
    }
}

void AlphaSpan555(uint16_t* dst, const uint16_t* src, int count) {
    AlphaSpan<kPixelFormat555>(dst, src, count);
}
void AlphaSpan565(uint16_t* dst, const uint16_t* src, int count) {
    AlphaSpan<kPixelFormat565>(dst, src, count);
}

void RecolourSpan(uint16_t* dst, const uint16_t* src, int count) {
    if (g_pixelFormat == kPixelFormat555)
        Recolour<kPixelFormat555>(dst, src, count);
    else
        Recolour<kPixelFormat565>(dst, src, count);
}

void CopySpanExcept(uint16_t* dst, const uint16_t* src, int count) {
    const uint16_t key = g_colourKey;
    const uint16_t excluded = s_excludedColour;
    for (int i = 0; i < count; ++i)
        dst[i] = src[i] == key || src[i] == excluded ? dst[i] : src[i];
}

void CopySpanOnly(uint16_t* dst, const uint16_t* src, int count) {
    const uint16_t key = g_colourKey;
    const uint16_t only = s_onlyColour;
    for (int i = 0; i < count; ++i)
        dst[i] = src[i] == only && src[i] != key ? src[i] : dst[i];
}

void TintSpan(uint16_t* dst, const uint16_t* src, int count) {
    if (g_pixelFormat == kPixelFormat555)
        Tint<kPixelFormat555>(dst, src, count);
    else
        Tint<kPixelFormat565>(dst, src, count);
}

void BlendSpanHalf555(uint16_t* dst, const uint16_t* src, int count) {
    BlendSpan<BlendHalf<kPixelFormat555>>(dst, src, count);
}
void BlendSpanHalf565(uint16_t* dst, const uint16_t* src, int count) {
    BlendSpan<BlendHalf<kPixelFormat565>>(dst, src, count);
}
void BlendSpanQuarter555(uint16_t* dst, const uint16_t* src, int count) {
    BlendSpan<BlendQuarter<kPixelFormat555>>(dst, src, count);
}
void BlendSpanQuarter565(uint16_t* dst, const uint16_t* src, int count) {
    BlendSpan<BlendQuarter<kPixelFormat565>>(dst, src, count);
}
void BlendSpanThreeQuarter555(uint16_t* dst, const uint16_t* src, int count) {
    BlendSpan<BlendThreeQuarter<kPixelFormat555>>(dst, src, count);
}
void BlendSpanThreeQuarter565(uint16_t* dst, const uint16_t* src, int count) {
    BlendSpan<BlendThreeQuarter<kPixelFormat565>>(dst, src, count);
}

void ColouriseSpan555(uint16_t* dst, const uint16_t* src, int count) {
    ColouriseSpan<kPixelFormat555, false>(dst, src, count);
}
void ColouriseSpan565(uint16_t* dst, const uint16_t* src, int count) {
    ColouriseSpan<kPixelFormat565, false>(dst, src, count);
}
void ColouriseSpanKeyed555(uint16_t* dst, const uint16_t* src, int count) {
    ColouriseSpan<kPixelFormat555, true>(dst, src, count);
}
void ColouriseSpanKeyed565(uint16_t* dst, const uint16_t* src, int count) {
    ColouriseSpan<kPixelFormat565, true>(dst, src, count);
}

void CopySpanBright555(uint16_t* dst, const uint16_t* src, int count) {
    CopySpanBright<kPixelFormat555>(dst, src, count);
}
void CopySpanBright565(uint16_t* dst, const uint16_t* src, int count) {
    CopySpanBright<kPixelFormat565>(dst, src, count);
}

// The box spans are the blends above with the colour in the source's place.
void ShadeSpan555(uint16_t* dst, uint16_t colour, int count) {
    BoxSpan<BlendQuarter<kPixelFormat555>>(dst, colour, count);
}
void ShadeSpan565(uint16_t* dst, uint16_t colour, int count) {
    BoxSpan<BlendQuarter<kPixelFormat565>>(dst, colour, count);
}
void HalfBoxSpan555(uint16_t* dst, uint16_t colour, int count) {
    BoxSpan<BlendHalf<kPixelFormat555>>(dst, colour, count);
}
void HalfBoxSpan565(uint16_t* dst, uint16_t colour, int count) {
    BoxSpan<BlendHalf<kPixelFormat565>>(dst, colour, count);
}
void TintBoxSpan555(uint16_t* dst, uint16_t colour, int count) {
    BoxSpan<BlendThreeQuarter<kPixelFormat555>>(dst, colour, count);
}
void TintBoxSpan565(uint16_t* dst, uint16_t colour, int count) {
    BoxSpan<BlendThreeQuarter<kPixelFormat565>>(dst, colour, count);
}

void SetColouriseOffsets(const ColourOffset& offsets) {
    s_offsetRed = offsets.red;
    s_offsetGreen = g_pixelFormat == kPixelFormat565 ? offsets.green * 2 : offsets.green;
    s_offsetBlue = offsets.blue;
}

void SetAlphaLevel(int level) {
    s_alphaLevel = static_cast<uint32_t>(level) >> 3 & 31;
}

void SetRecolourColours(const Colour colours[7]) {
    std::copy_n(colours, 7, s_recolourColours);
}

void SetExcludedColour(uint16_t pixel) {
    s_excludedColour = pixel;
}

void SetOnlyColour(uint16_t pixel) {
    s_onlyColour = pixel;
}

void SetTintColour(const Colour& colour) {
    s_tintColour = colour;
}
