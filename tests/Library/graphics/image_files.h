#pragma once
// Image files built in memory for the loader tests.

#include "Library/graphics/colour.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

template <class T> void Put(std::string& bytes, size_t offset, T value) {
    if (bytes.size() < offset + sizeof value)
        bytes.resize(offset + sizeof value);
    std::memcpy(&bytes[offset], &value, sizeof value);
}
template <class T> void Append(std::string& bytes, T value) {
    Put(bytes, bytes.size(), value);
}
// A copy of the bytes with the value written over them at the offset: a forged file.
template <class T> std::vector<uint8_t> With(std::vector<uint8_t> bytes, size_t at, T value) {
    std::memcpy(bytes.data() + at, &value, sizeof value);
    return bytes;
}

// A test picture: every pixel its own colour, from its position.
inline Colour PatternColour(int x, int y) {
    return Colour(static_cast<uint8_t>(x * 40 + y * 7), static_cast<uint8_t>(255 - y * 30),
                  static_cast<uint8_t>(x * 13 + 100));
}

// Rows top first: colours for 24 bits, palette indices for 8 and 4 bits.
inline std::string MakeBmp(int width, int height, int bits, const std::vector<Colour>& palette,
                           uint32_t coloursUsed, const std::vector<uint8_t>& indices = {}) {
    const long stride = (static_cast<long>(width) * bits + 31) / 32 * 4;
    const uint32_t paletteBytes = static_cast<uint32_t>(palette.size() * 4);
    std::string bytes = "BM";
    Put(bytes, 10, uint32_t{54 + paletteBytes});
    Put(bytes, 14, uint32_t{40});
    Put(bytes, 18, int32_t{width});
    Put(bytes, 22, int32_t{height});
    Put(bytes, 26, uint16_t{1});
    Put(bytes, 28, static_cast<uint16_t>(bits));
    Put(bytes, 46, coloursUsed);
    Put(bytes, 50, uint32_t{0});
    for (const Colour& c : palette) {
        Append(bytes, c.blue);
        Append(bytes, c.green);
        Append(bytes, c.red);
        Append(bytes, uint8_t{0});
    }
    for (int stored = 0; stored < height; ++stored) {
        const int y = height - 1 - stored;
        std::string row(static_cast<size_t>(stride), '\0');
        for (int x = 0; x < width; ++x) {
            if (bits == 24) {
                const Colour c = PatternColour(x, y);
                row[3 * x] = static_cast<char>(c.blue);
                row[3 * x + 1] = static_cast<char>(c.green);
                row[3 * x + 2] = static_cast<char>(c.red);
            } else {
                const uint8_t index = indices[static_cast<size_t>(y) * width + x];
                if (bits == 8)
                    row[x] = static_cast<char>(index);
                else
                    row[x / 2] = static_cast<char>(row[x / 2] | (x & 1 ? index : index << 4));
            }
        }
        bytes += row;
    }
    Put(bytes, 2, static_cast<uint32_t>(bytes.size()));
    return bytes;
}

// 16-bit pixels are given top row first, as 5-5-5.
inline std::string MakeTga(int width, int height, int bits, const std::vector<uint16_t>& pixels16,
                           const std::string& id = "") {
    std::string bytes(18, '\0');
    bytes[0] = static_cast<char>(id.size());
    bytes[2] = 2;
    Put(bytes, 12, static_cast<uint16_t>(width));
    Put(bytes, 14, static_cast<uint16_t>(height));
    bytes[16] = static_cast<char>(bits);
    bytes += id;
    for (int y = height - 1; y >= 0; --y)
        for (int x = 0; x < width; ++x) {
            if (bits == 16) {
                Append(bytes, pixels16[static_cast<size_t>(y) * width + x]);
            } else {
                const Colour c = PatternColour(x, y);
                Append(bytes, c.blue);
                Append(bytes, c.green);
                Append(bytes, c.red);
            }
        }
    return bytes;
}
