#include "Library/world/blocked_cell_table.h"

#include "Library/geometry/bresenham_line.h"
#include "Library/world/tile_grid.h"

#include <algorithm>
#include <cassert>
#include <tuple>

namespace {

// Beyond this many cells that differ from the grid as read, reading it again costs less
// than asking each of them at every rectangle.
constexpr size_t kMaxChanges = 16;
// Sorting out one noted change costs about as much as a walk asking this many cells (reading
// the grid again costs about one a cell).
constexpr long kNotedCost = 4;
// A line this short is walked: near walls, where its box holds blocked cells, asking the
// table costs more than the walk, and on open ground it saves little.
constexpr int64_t kWalkedLine = 64;
// A piece of a longer line this short is walked rather than halved again.
constexpr int64_t kWalkedPiece = 16;

uint32_t Blocked(const TileRecord& cell) {
    return cell.Has(TileRecord::kWalkable) ? 0 : 1;
}

// Walks the steps first to last of the line, cells on the grid.
bool IsRunWalkable(const TileGrid& grid, const BresenhamLine& line, int64_t first, int64_t last) {
    return line.Walk(first, last,
                     [&grid](int x, int y) { return grid.At(x, y).Has(TileRecord::kWalkable); });
}

} // namespace

void BlockedCellTable::Invalidate() {
    m_built = false;
}

// A placement search marks many cells and gives them back: the count of cells that differ
// then falls back to 0 and nothing noted needs sorting out. Past an eighth of the grid,
// reading it again is cheaper than sorting out the cells noted.
void BlockedCellTable::NoteTurn(int x, int y, bool walkable) {
    if (!m_built || x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    m_turned = true;
    const bool differs = (walkable ? 0 : 1) != m_readBlocked[static_cast<size_t>(y) * m_width + x];
    m_differing += differs ? 1 : -1;
    if (!differs || m_notedLost)
        return;
    if (m_noted.size() > static_cast<size_t>(m_width) * m_height / 8 + 64) {
        m_notedLost = true;
        m_noted.clear();
    } else {
        m_noted.push_back({x, y});
    }
}

void BlockedCellTable::Build(const TileGrid& grid) {
    m_width = grid.GetWidth();
    m_height = grid.GetHeight();
    const size_t stride = static_cast<size_t>(m_width) + 1;
    m_sums.assign(stride * (static_cast<size_t>(m_height) + 1), 0);
    m_readBlocked.resize(static_cast<size_t>(grid.CellCount()));
    const TileRecord* cell = grid.Data();
    uint8_t* read = m_readBlocked.data();
    for (int y = 0; y < m_height; ++y) {
        uint32_t row = 0;
        const uint32_t* above = &m_sums[stride * y];
        uint32_t* sums = &m_sums[stride * (y + 1)];
        for (int x = 0; x < m_width; ++x) {
            *read = static_cast<uint8_t>(Blocked(*cell++));
            row += *read++;
            sums[x + 1] = above[x + 1] + row;
        }
    }
    m_built = true;
    m_differing = 0;
    m_changes.clear();
    m_walked = 0;
    m_turned = m_notedLost = false;
    m_noted.clear();
}

void BlockedCellTable::CatchUp(const TileGrid& grid) {
    if (!m_built || (m_differing != 0 && m_turned && m_notedLost)) {
        Build(grid);
        return;
    }
    if (!m_turned)
        return;
    if (m_differing == 0)
        m_changes.clear();
    else
        SortOutNoted(grid);
    m_noted.clear();
    m_turned = m_notedLost = false;
    m_walked = 0;
    if (m_changes.size() > kMaxChanges)
        Build(grid);
}

// The cells that differ now are among those that differed at the last catch-up and those
// noted since; each counts once.
void BlockedCellTable::SortOutNoted(const TileGrid& grid) {
    for (const Change& change : m_changes)
        m_noted.push_back({change.x, change.y});
    m_changes.clear();
    for (const Cell& cell : m_noted) {
        const int blocked =
            static_cast<int>(Blocked(grid.At(cell.x, cell.y))) -
            static_cast<int>(m_readBlocked[static_cast<size_t>(cell.y) * m_width + cell.x]);
        if (blocked != 0)
            m_changes.push_back({cell.x, cell.y, blocked});
    }
    auto order = [](const Change& a, const Change& b) {
        return std::tie(a.y, a.x) < std::tie(b.y, b.x);
    };
    std::sort(m_changes.begin(), m_changes.end(), order);
    m_changes.erase(std::unique(m_changes.begin(), m_changes.end(),
                                [](const Change& a, const Change& b) {
                                    return a.x == b.x && a.y == b.y;
                                }),
                    m_changes.end());
    assert(static_cast<long>(m_changes.size()) == m_differing);
}

long BlockedCellTable::SetUpCost(const TileGrid& grid) const {
    if (!m_built || (m_differing != 0 && m_turned && m_notedLost))
        return grid.CellCount();
    if (!m_turned || m_differing == 0)
        return 0;
    return static_cast<long>(m_noted.size() + m_changes.size()) * kNotedCost;
}

uint32_t BlockedCellTable::CountRead(int x1, int y1, int x2, int y2) const {
    const size_t stride = static_cast<size_t>(m_width) + 1;
    const size_t top = stride * y1, bottom = stride * (static_cast<size_t>(y2) + 1);
    return m_sums[bottom + x2 + 1] - m_sums[top + x2 + 1] - m_sums[bottom + x1] + m_sums[top + x1];
}

bool BlockedCellTable::HasBlocked(int x1, int y1, int x2, int y2) const {
    int64_t count = CountRead(x1, y1, x2, y2);
    for (const Change& change : m_changes)
        if (change.x >= x1 && change.x <= x2 && change.y >= y1 && change.y <= y2)
            count += change.blocked;
    return count > 0;
}

// Walking the long lines counts toward catching up.
bool BlockedCellTable::IsLineClear(const TileGrid& grid, const BresenhamLine& line) {
    if (line.GetSteps() < kWalkedLine)
        return IsRunWalkable(grid, line, 0, line.GetSteps());
    if (m_walked < SetUpCost(grid))
        return line.Walk(0, line.GetSteps(), [this, &grid](int x, int y) {
            ++m_walked;
            return grid.At(x, y).Has(TileRecord::kWalkable);
        });
    CatchUp(grid);
    return IsPieceClear(grid, line, 0, line.GetSteps());
}

// The cells of a run of steps lie within the box of its two end cells: both coordinates
// move one way only along the line.
bool BlockedCellTable::IsPieceClear(const TileGrid& grid, const BresenhamLine& line,
                                    int64_t first, int64_t last) const {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    line.CellAt(first, x1, y1);
    line.CellAt(last, x2, y2);
    if (!HasBlocked(std::min(x1, x2), y1, std::max(x1, x2), y2))
        return true;
    if (last - first < kWalkedPiece)
        return IsRunWalkable(grid, line, first, last);
    const int64_t middle = first + (last - first) / 2;
    return IsPieceClear(grid, line, first, middle) && IsPieceClear(grid, line, middle + 1, last);
}
