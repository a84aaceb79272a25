#include "Library/graphics/pixel_format.h"

int g_pixelFormat = kPixelFormat565;
uint16_t g_colourKey = PackPixel<kPixelFormat565>(255, 0, 255);
uint16_t g_secondColourKey = PackPixel<kPixelFormat565>(0, 255, 0);
uint16_t g_encodingKey = PackPixel<kPixelFormat565>(255, 0, 255);

uint16_t PackPixelIn(int format, unsigned r, unsigned g, unsigned b) {
    switch (format) {
    case kPixelFormat555:
        return PackPixel<kPixelFormat555>(r, g, b);
    case kPixelFormat565:
        return PackPixel<kPixelFormat565>(r, g, b);
    default:
        return 0;
    }
}

// An unknown layout keys as 5-6-5.
void SetColourKeys() {
    const int format = g_pixelFormat == kPixelFormat555 ? kPixelFormat555 : kPixelFormat565;
    g_colourKey = PackPixelIn(format, 255, 0, 255);
    g_secondColourKey = PackPixelIn(format, 0, 255, 0);
}

void SetColourKeyForVideoMode() {
    g_encodingKey = PackPixelIn(g_pixelFormat, 255, 0, 255);
}

uint16_t Convert555To565(uint16_t pixel) {
    // a non-zero green gains a low bit of one, as unpacking to 8 bits would give it
    const unsigned green = (pixel >> 5) & 31;
    const unsigned green6 = green ? green << 1 | 1 : 0;
    return static_cast<uint16_t>((pixel & 0x7C00) << 1 | green6 << 5 | (pixel & 0x1F));
}

uint16_t Convert565To555(uint16_t pixel) {
    return static_cast<uint16_t>((pixel & 0xF800) >> 1 | ((pixel >> 6) & 31) << 5 | (pixel & 0x1F));
}

void ConvertPixels(uint16_t* pixels, long count, int from) {
    uint16_t (*const convert)(uint16_t) =
        from == kPixelFormat555 ? Convert555To565 : Convert565To555;
    for (long i = 0; i < count; ++i)
        pixels[i] = convert(pixels[i]);
}

bool AlwaysTrue() {
    return true;
}
