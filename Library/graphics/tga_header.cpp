#include "Library/graphics/tga_header.h"

#include "Library/core/stream.h"

#include <cstdint>

bool TgaHeader::Read(Stream& stream, const char** problem) {
    uint8_t bytes[kSize];
    if (stream.Read(bytes, kSize) != kStreamOk) {
        *problem = "the header is cut short";
        return false;
    }
    width = FieldAt<uint16_t>(bytes, 12);
    height = FieldAt<uint16_t>(bytes, 14);
    bits = bytes[16];
    const long mapBytes = bytes[1] ? FieldAt<uint16_t>(bytes, 5) * ((bytes[7] + 7L) / 8) : 0;
    dataOffset = kSize + bytes[0] + mapBytes;
    *problem = bytes[2] != 2               ? "not an uncompressed true-colour image"
               : bits != 16 && bits != 24  ? "only 16 and 24 bits per pixel are read"
               : width == 0 || height == 0 ? "the image is empty"
                                           : nullptr;
    return *problem == nullptr;
}
