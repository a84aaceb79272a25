#pragma once
// An 8-bit-per-channel colour, held blue, green, red as in memory.

#include <cstdint>

class Stream;

struct Colour {
    uint8_t blue = 0;
    uint8_t green = 0;
    uint8_t red = 0;

    Colour() = default;
    Colour(uint8_t r, uint8_t g, uint8_t b) : blue(b), green(g), red(r) {}

    uint16_t Pack16() const;                // in g_pixelFormat; 0 for an unknown layout
    static Colour Unpack16(uint16_t pixel); // from g_pixelFormat
    // Non-zero fields get their low bits filled with ones, so a full field is 255.
    template <int Format> static Colour Unpack(uint16_t pixel);
    void ByIndex(int index); // the tile map's numbered colours

    // (max + min / 2) / 255 of the channels: how light the colour is, for recolouring.
    float Lightness() const {
        const uint8_t max = red > green ? (red > blue ? red : blue) : (green > blue ? green : blue);
        const uint8_t min = red < green ? (red < blue ? red : blue) : (green < blue ? green : blue);
        return (max - min * -0.5f) * (1.0f / 255.0f);
    }
    // Recolouring class by dominant channel: 0 red, 1 green, 2 blue strictly greatest;
    // a tie for the greatest 3 red = blue, 4 red = green, 5 green = blue; 6 grey; 7 black.
    int HueClass() const;

    // Stream form: red, green, blue, one byte each.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

    bool operator==(const Colour& other) const {
        return blue == other.blue && green == other.green && red == other.red;
    }
};

template <int Format> Colour Colour::Unpack(uint16_t pixel) {
    auto widen5 = [](unsigned field) { return static_cast<uint8_t>(field ? field << 3 | 7 : 0); };
    auto widen6 = [](unsigned field) { return static_cast<uint8_t>(field ? field << 2 | 3 : 0); };
    if constexpr (Format == 0)
        return Colour(widen5(pixel >> 10 & 31), widen5(pixel >> 5 & 31), widen5(pixel & 31));
    else
        return Colour(widen5(pixel >> 11), widen6(pixel >> 5 & 63), widen5(pixel & 31));
}
