#include "Library/pixel_format.h"

int g_pixelFormat = kPixelFormat565;
uint16_t g_colourKey = PackPixel<kPixelFormat565>(255, 0, 255);
uint16_t g_secondColourKey = PackPixel<kPixelFormat565>(0, 255, 0);
uint16_t g_encodingKey = PackPixel<kPixelFormat565>(255, 0, 255);

void SetColourKeys() {
    const bool is555 = g_pixelFormat == kPixelFormat555;
    g_colourKey =
        is555 ? PackPixel<kPixelFormat555>(255, 0, 255) : PackPixel<kPixelFormat565>(255, 0, 255);
    g_secondColourKey =
        is555 ? PackPixel<kPixelFormat555>(0, 255, 0) : PackPixel<kPixelFormat565>(0, 255, 0);
}

void SetColourKeyForVideoMode() {
    switch (g_pixelFormat) {
    case kPixelFormat555:
        g_encodingKey = PackPixel<kPixelFormat555>(255, 0, 255);
        break;
    case kPixelFormat565:
        g_encodingKey = PackPixel<kPixelFormat565>(255, 0, 255);
        break;
    default:
        g_encodingKey = 0;
    }
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
