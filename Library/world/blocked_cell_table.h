#pragma once
// The cells of a tile grid without the walk flag, counted over any rectangle in constant
// time, for line walks that would otherwise ask every cell: counts over the rectangles
// from the grid's corner, read from the grid as a whole, and the few cells whose flag
// differs from what was read, told to it cell by cell as flags turn. A line is clear when
// its bounding box holds no such cell; else each half of it is asked the same, and a short
// piece is walked. Cells marked for a moment and given back, as placement searches do,
// leave the table as it was.

#include <cstdint>
#include <vector>

class BresenhamLine;
class TileGrid;

class BlockedCellTable {
public:
    // The grid is read again as a whole before the next answer (its cells were replaced or
    // reset, or it is another grid).
    void Invalidate();
    // The walk flag of the cell has just turned, to walkable or not. Cells off the grid
    // are ignored.
    void NoteTurn(int x, int y, bool walkable);
    // Whether every cell of the line has the walk flag, as a walk of it would say; both
    // ends of the line lie on the grid. Bringing the table up to date after changes costs
    // time, so lines are walked instead until the cells walked since it was last up to
    // date outweigh that cost, so catching up costs about what the walks did.
    bool IsLineClear(const TileGrid& grid, const BresenhamLine& line);

private:
    struct Cell {
        int x, y;
    };
    struct Change {
        int x, y;
        int blocked; // +1 blocked since the grid was read, -1 walkable since
    };

    // In cells a line walk could ask in the same time: 0 when the table is up to date.
    long SetUpCost(const TileGrid& grid) const;
    void CatchUp(const TileGrid& grid);
    void Build(const TileGrid& grid);
    void SortOutNoted(const TileGrid& grid);
    uint32_t CountRead(int x1, int y1, int x2, int y2) const; // inclusive, as read
    bool HasBlocked(int x1, int y1, int x2, int y2) const;    // inclusive, now
    bool IsPieceClear(const TileGrid& grid, const BresenhamLine& line, int64_t first,
                      int64_t last) const;

    bool m_built = false;
    int m_width = 0;
    int m_height = 0;
    std::vector<uint32_t> m_sums;       // (width + 1) x (height + 1): blocked cells above-left
    std::vector<uint8_t> m_readBlocked; // a cell's state as read
    long m_differing = 0;               // cells whose flag differs from the one read
    bool m_turned = false;              // a flag has turned since the last catch-up
    std::vector<Cell> m_noted;          // cells turned away from the state read since then
    bool m_notedLost = false;           // more of them than were worth keeping
    std::vector<Change> m_changes;      // the cells that differ, as of the last catch-up
    long m_walked = 0;                  // cells walked since the table was last up to date
};
