#include "Library/core/tag_grid.h"

#include "Library/core/stream.h"

#include <climits>
#include <cstdio>

namespace {

uint64_t BitCountFor(uint32_t width, uint32_t height) {
    const uint64_t bits = uint64_t{width} * height;
    return bits == 0 ? 64 : bits;
}

} // namespace

TagGrid::TagGrid(int width, int height)
    : TagList(static_cast<int>(BitCountFor(width > 0 ? width : 0, height > 0 ? height : 0))),
      m_width(width > 0 ? width : 0), m_height(height > 0 ? height : 0) {}

bool TagGrid::FindFirstClear(int& x, int& y) {
    const int index = FindFirstClear();
    if (index < 0 || m_width == 0)
        return false;
    x = index % GetWidth();
    y = index / GetWidth();
    return true;
}

void TagGrid::ForColumn(int x, BitOperation operation) {
    if (x < 0 || x >= GetWidth())
        return;
    for (int y = 0; y < GetHeight(); ++y)
        (this->*operation)(y * GetWidth() + x);
}

void TagGrid::ForRow(int y, BitOperation operation) {
    if (y < 0 || y >= GetHeight())
        return;
    for (int x = 0; x < GetWidth(); ++x)
        (this->*operation)(y * GetWidth() + x);
}

bool TagGrid::Write(Stream& stream) const {
    return WriteCounters(stream) && stream.WriteValue(m_width) && stream.WriteValue(m_height) &&
           WriteWords(stream);
}

bool TagGrid::Read(Stream& stream) {
    Counters counters;
    uint32_t width = 0;
    uint32_t height = 0;
    if (!ReadCounters(stream, counters) || !stream.ReadValue(width) || !stream.ReadValue(height))
        return false;
    // An empty grid holds 64 bits whatever its sides, so only this bounds the other side.
    if (width > INT_MAX || height > INT_MAX) {
        std::fprintf(stderr, "Tag grid: %u x %u is too large\n", width, height);
        return false;
    }
    if (BitCountFor(width, height) != counters.bitCount) {
        std::fprintf(stderr, "Tag grid: %u x %u does not match its bit count %u\n", width, height,
                     counters.bitCount);
        return false;
    }
    if (!ReadWords(stream, counters))
        return false;
    m_width = width;
    m_height = height;
    return true;
}
