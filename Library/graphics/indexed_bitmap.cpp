#include "Library/graphics/indexed_bitmap.h"

#include "Library/core/stream.h"
#include "Library/graphics/bmp_header.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

constexpr int kBits = 8;

bool Fail(const char* source, const char* problem) {
    std::fprintf(stderr, "%s: %s\n", source, problem);
    return false;
}

} // namespace

bool IndexedBitmap::Create(int width, int height, int paletteCount) {
    if (width < 1 || height < 1 || width > BmpHeader::kMaxSide || height > BmpHeader::kMaxSide ||
        paletteCount < 1 || paletteCount > kPaletteSize)
        return false;
    m_width = width;
    m_height = height;
    m_paletteCount = paletteCount;
    std::fill(std::begin(m_palette), std::end(m_palette), SDL_Color{0, 0, 0, 0});
    m_indices.assign(static_cast<size_t>(width) * height, 0);
    return true;
}

bool IndexedBitmap::Read(Stream& stream, const char* source) {
    BmpHeader header;
    const char* problem = nullptr;
    if (!header.Read(stream, &problem))
        return Fail(source, problem);
    if (header.bits != kBits)
        return Fail(source, "not an 8-bit bitmap");
    const long size = stream.Size();
    const long stride = header.Stride();
    if (header.infoSize > size || header.PaletteOffset() + 4L * header.paletteCount > size)
        return Fail(source, "the palette runs past the end of the file");
    if (header.dataOffset > size || stride * header.height > size - header.dataOffset)
        return Fail(source, "the rows run past the end of the file");

    uint8_t entries[kPaletteSize * 4];
    if (stream.SeekSet(header.PaletteOffset()) < 0 ||
        stream.Read(entries, 4 * header.paletteCount) != kStreamOk)
        return Fail(source, "the palette cannot be read");
    std::vector<uint8_t> indices(static_cast<size_t>(header.width) * header.height);
    std::vector<uint8_t> row(static_cast<size_t>(stride));
    if (stream.SeekSet(header.dataOffset) < 0)
        return Fail(source, "the rows cannot be reached");
    for (int stored = 0; stored < header.height; ++stored) {
        if (stream.Read(row.data(), static_cast<int>(stride)) != kStreamOk)
            return Fail(source, "the rows are cut short");
        std::copy_n(row.data(), header.width,
                    indices.data() +
                        static_cast<size_t>(header.height - 1 - stored) * header.width);
    }

    m_width = header.width;
    m_height = header.height;
    m_paletteCount = header.paletteCount;
    std::fill(std::begin(m_palette), std::end(m_palette), SDL_Color{0, 0, 0, 0});
    for (int i = 0; i < header.paletteCount; ++i) {
        const uint8_t* entry = entries + 4 * i;
        m_palette[i] = SDL_Color{entry[2], entry[1], entry[0], 0};
    }
    m_indices = std::move(indices);
    return true;
}

bool IndexedBitmap::Write(Stream& stream) const {
    if (m_indices.empty())
        return false;
    const long stride = (static_cast<long>(m_width) * kBits + 31) / 32 * 4;
    const uint32_t dataOffset =
        BmpHeader::kFileSize + BmpHeader::kInfoSize + 4 * static_cast<uint32_t>(m_paletteCount);
    const uint32_t dataSize = static_cast<uint32_t>(stride * m_height);
    uint8_t headers[BmpHeader::kFileSize + BmpHeader::kInfoSize] = {'B', 'M'};
    PutFieldAt(headers, 2, dataOffset + dataSize);
    PutFieldAt(headers, 10, dataOffset);
    uint8_t* info = headers + BmpHeader::kFileSize;
    PutFieldAt(info, 0, uint32_t{BmpHeader::kInfoSize});
    PutFieldAt(info, 4, int32_t{m_width});
    PutFieldAt(info, 8, int32_t{m_height});
    PutFieldAt(info, 12, uint16_t{1});
    PutFieldAt(info, 14, uint16_t{kBits});
    PutFieldAt(info, 20, dataSize);
    PutFieldAt(info, 32, static_cast<uint32_t>(m_paletteCount));
    if (stream.Write(headers, sizeof headers) != kStreamOk)
        return false;
    for (int i = 0; i < m_paletteCount; ++i) {
        const uint8_t entry[4] = {m_palette[i].b, m_palette[i].g, m_palette[i].r, 0};
        if (stream.Write(entry, 4) != kStreamOk)
            return false;
    }
    std::vector<uint8_t> row(static_cast<size_t>(stride), 0);
    for (int y = m_height - 1; y >= 0; --y) {
        std::copy_n(m_indices.data() + Offset(0, y), m_width, row.data());
        if (stream.Write(row.data(), static_cast<int>(stride)) != kStreamOk)
            return false;
    }
    return true;
}

void IndexedBitmap::SetPaletteEntry(int index, const Colour& colour) {
    if (index >= 0 && index < m_paletteCount)
        m_palette[index] = SDL_Color{colour.red, colour.green, colour.blue, 0};
}

Colour IndexedBitmap::GetColourAt(int x, int y) const {
    const SDL_Color& entry = m_palette[GetIndex(x, y)];
    return Colour(entry.r, entry.g, entry.b);
}
