#pragma once
// An 8-bit ".bmp" kept as it is stored: one palette index per pixel and the palette, for
// pictures whose indices mean something (the tile map's layer images) rather than colours
// to show. Pixel (x, y) counts from the top-left corner.

#include "Library/graphics/colour.h"

#include <SDL/SDL.h>

#include <cstdint>
#include <vector>

class Stream;

class IndexedBitmap {
public:
    static constexpr int kPaletteSize = 256;

    IndexedBitmap() = default;

    // Every index 0, the first paletteCount entries stored (1-256), all black; false for
    // a size outside 1-65535 or a count outside 1-256.
    bool Create(int width, int height, int paletteCount);

    // An uncompressed 8-bit ".bmp"; source names the data in the message printed on
    // failure, which leaves the bitmap as it was. Palette entries the file does not store
    // are black.
    bool Read(Stream& stream, const char* source);
    // Headers, the stored palette entries and the rows, bottom row first, each padded to
    // four bytes.
    bool Write(Stream& stream) const;

    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    int GetPaletteCount() const { return m_paletteCount; }
    const SDL_Color* GetPalette() const { return m_palette; } // kPaletteSize entries
    void SetPaletteEntry(int index, const Colour& colour);    // outside the count ignored
    // Unchecked: 0 <= x < width, 0 <= y < height.
    uint8_t GetIndex(int x, int y) const { return m_indices[Offset(x, y)]; }
    void SetIndex(int x, int y, uint8_t index) { m_indices[Offset(x, y)] = index; }
    Colour GetColourAt(int x, int y) const; // the pixel's palette entry

private:
    size_t Offset(int x, int y) const { return static_cast<size_t>(y) * m_width + x; }

    int m_width = 0;
    int m_height = 0;
    int m_paletteCount = 0;
    SDL_Color m_palette[kPaletteSize] = {};
    std::vector<uint8_t> m_indices;
};
