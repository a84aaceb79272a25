#pragma once
// ".bmp": 14-byte file header ("BM", u32 size, u32 reserved, u32 data offset at 10) and
// an information header of at least 40 bytes (u32 its size, i32 width at 4, i32 height
// at 8, u16 bits at 14, u32 compression at 16, u32 colours used at 32); the palette of
// 4-byte blue, green, red, unused entries follows the information header; rows are
// padded to 4 bytes and stored bottom row first. Uncompressed 24, 8 and 4 bits are read.

class Stream;

struct BmpHeader {
    static constexpr int kFileSize = 14;
    static constexpr int kInfoSize = 40;
    static constexpr int kMaxSide = 65535;
    int width = 0, height = 0, bits = 0, paletteCount = 0;
    long infoSize = 0, dataOffset = 0;

    // False, with problem saying why, for short headers or a bitmap of another kind.
    bool Read(Stream& stream, const char** problem);
    long Stride() const { return (static_cast<long>(width) * bits + 31) / 32 * 4; }
    long PaletteOffset() const { return kFileSize + infoSize; }
};
