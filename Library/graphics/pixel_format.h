#pragma once
// The two 16-bit pixel layouts, chosen once at start-up from the video surface,
// and the transparent colours packed in the chosen one.

#include <cstdint>

enum PixelFormat : int {
    kPixelFormat555 = 0, // red 0x7C00, green 0x03E0, blue 0x001F
    kPixelFormat565 = 1, // red 0xF800, green 0x07E0, blue 0x001F
};

extern int g_pixelFormat;
extern uint16_t g_colourKey;       // magenta: pixels of this value are transparent
extern uint16_t g_secondColourKey; // green
extern uint16_t g_encodingKey;     // what the run-length encoder treats as transparent

// Packs 8-bit channels into one layout (low bits of each channel dropped).
template <int Format> constexpr uint16_t PackPixel(unsigned r, unsigned g, unsigned b) {
    static_assert(Format == kPixelFormat555 || Format == kPixelFormat565);
    if constexpr (Format == kPixelFormat555)
        return static_cast<uint16_t>((b >> 3) | (g >> 3) << 5 | (r >> 3) << 10);
    else
        return static_cast<uint16_t>((b >> 3) | (g >> 2) << 5 | (r >> 3) << 11);
}

// The same with the layout chosen at run time; 0 for an unknown layout.
uint16_t PackPixelIn(int format, unsigned r, unsigned g, unsigned b);

// Sets both colour keys from g_pixelFormat.
void SetColourKeys();
// Sets the encoding key from g_pixelFormat (0 for an unknown layout).
void SetColourKeyForVideoMode();

// One pixel repacked into the other layout, as Unpack16 then Pack16 would.
uint16_t Convert555To565(uint16_t pixel);
uint16_t Convert565To555(uint16_t pixel);
// Converts count pixels in place from `from` to the other layout.
void ConvertPixels(uint16_t* pixels, long count, int from);

// The frame drawing asks each frame whether to draw; it always may.
bool AlwaysTrue();
