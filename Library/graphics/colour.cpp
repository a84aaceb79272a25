#include "Library/graphics/colour.h"

#include "Library/core/stream.h"
#include "Library/graphics/pixel_format.h"

uint16_t Colour::Pack16() const {
    return PackPixelIn(g_pixelFormat, red, green, blue);
}

Colour Colour::Unpack16(uint16_t pixel) {
    return g_pixelFormat == kPixelFormat555 ? Unpack<kPixelFormat555>(pixel)
                                            : Unpack<kPixelFormat565>(pixel);
}

void Colour::ByIndex(int index) {
    static const Colour kColours[] = {
        {255, 255, 255}, {132, 0, 0}, {198, 198, 198}, {0, 255, 255},
        {0, 132, 132},   {255, 0, 0}, {255, 0, 255},   {0, 0, 255},
        {0, 255, 0},     {0, 0, 0},   {132, 132, 132}, {255, 255, 0},
    };
    *this = index >= 0 && index < static_cast<int>(sizeof kColours / sizeof kColours[0])
                ? kColours[index]
                : Colour();
}

int Colour::HueClass() const {
    if (red == 0 && green == 0 && blue == 0)
        return 7;
    if (red == green && green == blue)
        return 6;
    if (red > green && red > blue)
        return 0;
    if (green > red && green > blue)
        return 1;
    if (blue > red && blue > green)
        return 2;
    if (red == blue && red > green)
        return 3;
    return red == green && red > blue ? 4 : 5;
}

bool Colour::Read(Stream& stream) {
    return stream.ReadValue(red) && stream.ReadValue(green) && stream.ReadValue(blue);
}

bool Colour::Write(Stream& stream) const {
    return stream.WriteValue(red) && stream.WriteValue(green) && stream.WriteValue(blue);
}
