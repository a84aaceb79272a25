#pragma once
// The cells of a tile map, row by row (index = y x width + x), and their size in tiles.
// Cell (x, y) covers world x in [x, x + 1) and y in [y, y + 1): 16 x 12 pixels of the map
// image.

#include "Library/world/tile_record.h"

#include <climits>
#include <cstddef>
#include <vector>

class TileGrid {
public:
    static constexpr int kTileWidth = 16; // pixels of the map image
    static constexpr int kTileHeight = 12;
    static constexpr int kMaxSide = 65535;
    static constexpr long kMaxCells = INT_MAX / static_cast<long>(sizeof(TileRecord));

    // Every word of every cell 0; false, and no cells, for a side of 0 or beyond the limits.
    bool Allocate(long width, long height);
    // Whether a grid of that size may be made: sides 1-65535 and at most kMaxCells cells.
    static bool FitsLimits(long width, long height);

    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    long CellCount() const { return static_cast<long>(m_cells.size()); }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    TileRecord* Find(int x, int y) { return Contains(x, y) ? &m_cells[Index(x, y)] : nullptr; }
    const TileRecord* Find(int x, int y) const {
        return Contains(x, y) ? &m_cells[Index(x, y)] : nullptr;
    }
    // Unchecked: the grid holds (x, y).
    TileRecord& At(int x, int y) { return m_cells[Index(x, y)]; }
    const TileRecord& At(int x, int y) const { return m_cells[Index(x, y)]; }
    TileRecord& AtIndex(long index) { return m_cells[static_cast<std::size_t>(index)]; }
    const TileRecord& AtIndex(long index) const { return m_cells[static_cast<std::size_t>(index)]; }

    std::vector<TileRecord>::iterator begin() { return m_cells.begin(); }
    std::vector<TileRecord>::iterator end() { return m_cells.end(); }
    std::vector<TileRecord>::const_iterator begin() const { return m_cells.begin(); }
    std::vector<TileRecord>::const_iterator end() const { return m_cells.end(); }
    TileRecord* Data() { return m_cells.data(); }
    const TileRecord* Data() const { return m_cells.data(); }

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * m_width + x; }

    int m_width = 0;
    int m_height = 0;
    std::vector<TileRecord> m_cells;
};
