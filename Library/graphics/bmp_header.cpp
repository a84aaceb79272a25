#include "Library/graphics/bmp_header.h"

#include "Library/core/stream.h"

#include <algorithm>
#include <cstdint>

bool BmpHeader::Read(Stream& stream, const char** problem) {
    uint8_t file[kFileSize], info[kInfoSize];
    if (stream.Read(file, kFileSize) != kStreamOk || stream.Read(info, kInfoSize) != kStreamOk) {
        *problem = "the headers are cut short";
        return false;
    }
    dataOffset = FieldAt<uint32_t>(file, 10);
    infoSize = FieldAt<uint32_t>(info, 0);
    const int32_t w = FieldAt<int32_t>(info, 4), h = FieldAt<int32_t>(info, 8);
    bits = FieldAt<uint16_t>(info, 14);
    const uint32_t used = FieldAt<uint32_t>(info, 32);
    width = w;
    height = h;
    const bool indexed = bits == 8 || bits == 4;
    paletteCount = !indexed ? 0
                   : used   ? static_cast<int>(std::min<uint32_t>(used, 257))
                            : 1 << bits;
    *problem = file[0] != 'B' || file[1] != 'M'       ? "not a bitmap"
               : infoSize < kInfoSize                 ? "the information header is too small"
               : bits != 24 && bits != 8 && bits != 4 ? "only 24, 8 and 4 bits per pixel are read"
               : FieldAt<uint32_t>(info, 16) != 0     ? "compressed bitmaps are not read"
               : w <= 0 || h <= 0 || w > kMaxSide || h > kMaxSide ? "the size is out of range"
               : paletteCount > 256 ? "the palette holds more than 256 colours"
                                    : nullptr;
    return *problem == nullptr;
}
