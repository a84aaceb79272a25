#pragma once
// Red, green and blue offsets in 5-bit channel units, for the colourise blit mode.

#include <cstdint>

class Stream;

struct ColourOffset {
    int16_t red = 0;
    int16_t green = 0;
    int16_t blue = 0;

    // Stream form: red, green, blue, two bytes each.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

    bool operator==(const ColourOffset& other) const {
        return red == other.red && green == other.green && blue == other.blue;
    }
    bool operator!=(const ColourOffset& other) const { return !(*this == other); }
};
