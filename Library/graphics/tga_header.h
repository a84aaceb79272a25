#pragma once
// ".tga": 18-byte header; u8 ID length at 0, u8 colour map type at 1, u8 image type
// at 2, u16 colour map length at 5, u8 map entry bits at 7, u16 width at 12, u16 height
// at 14, u8 bits per pixel at 16, u8 descriptor at 17; then the ID, the colour map and
// the rows, bottom row first. Only uncompressed true-colour images (type 2) of 16 bits
// (5-5-5, the top bit an attribute) or 24 bits (blue, green, red) are read.

class Stream;

struct TgaHeader {
    static constexpr int kSize = 18;
    int width = 0, height = 0, bits = 0;
    long dataOffset = 0;

    // False, with problem saying why, for a short header or an image of another kind.
    bool Read(Stream& stream, const char** problem);
    long DataSize() const { return static_cast<long>(width) * height * (bits / 8); }
    int RowBytes() const { return width * (bits / 8); }
};
