#include "Library/world/tile_grid.h"

bool TileGrid::FitsLimits(long width, long height) {
    return width >= 1 && height >= 1 && width <= kMaxSide && height <= kMaxSide &&
           width * height <= kMaxCells;
}

bool TileGrid::Allocate(long width, long height) {
    m_cells.clear();
    m_width = m_height = 0;
    if (!FitsLimits(width, height))
        return false;
    m_cells.assign(static_cast<std::size_t>(width * height), TileRecord());
    m_width = static_cast<int>(width);
    m_height = static_cast<int>(height);
    return true;
}
