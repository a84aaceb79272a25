#include "Source/creatures/vision_grid.h"

#include "Library/core/maths.h"
#include "Library/core/vector.h"
#include "Library/geometry/directions.h"
#include "Library/world/tile_map.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kLowestOffset = -VisionGrid::kCentre;
constexpr int kHighestOffset = VisionGrid::kSide - 1 - VisionGrid::kCentre;
// The fog is rewritten one tile beyond the grid on every side.
constexpr int kFogFirst = -1;
constexpr int kFogLast = VisionGrid::kSide;

int Sign(int value) {
    return value < 0 ? -1 : 1; // 0 counts as positive
}

int TileOf(float coordinate) {
    return ToIntWithin(coordinate, INT_MIN / 2, INT_MAX / 2);
}

// The four neighbours in the order their offsets turn the edge's direction.
constexpr int kNeighbours[4][2] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};

} // namespace

VisionGrid::VisionGrid(TileMap& map) : m_map(map) {
    std::memset(m_cells, kNotSeen, sizeof m_cells);
}

bool VisionGrid::HasCell(int dx, int dy) {
    return dx >= kLowestOffset && dx <= kHighestOffset && dy >= kLowestOffset &&
           dy <= kHighestOffset;
}

bool VisionGrid::IsCellSeen(int dx, int dy) const {
    return HasCell(dx, dy) && m_cells[(dx + kCentre) * kSide + dy + kCentre] == kSeen;
}

bool VisionGrid::Recompute(const Vector& position, int radius) {
    m_changed = 0;
    const int x = TileOf(position.x);
    const int y = TileOf(position.y);
    if (x == m_centreX && y == m_centreY)
        return false;
    m_changed = 1;
    m_centreX = x;
    m_centreY = y;
    m_radius = std::clamp(radius, 0, kMaxRadius);
    Cell(0, 0) = kSeen;
    // Ring by ring outward, so a cell's inner neighbours are always done before it.
    for (int ring = 1; ring <= kMaxRadius; ++ring) {
        for (int dy : {-ring, ring}) {
            for (int dx = -ring; dx <= ring; ++dx)
                ComputeCell(dx, dy);
        }
        for (int dx : {-ring, ring}) {
            for (int dy = -ring + 1; dy <= ring - 1; ++dy)
                ComputeCell(dx, dy);
        }
    }
    return true;
}

void VisionGrid::ComputeCell(int dx, int dy) {
    if (!HasCell(dx, dy))
        return;
    const int diagonalX = dx - Sign(dx);
    const int diagonalY = dy - Sign(dy);
    int secondX = diagonalX;
    int secondY = diagonalY;
    if (std::abs(dy) < std::abs(dx))
        secondY = dy;
    else if (std::abs(dy) > std::abs(dx))
        secondX = dx;
    const bool innerSeen = IsCellSeen(diagonalX, diagonalY) || IsCellSeen(secondX, secondY);
    // Tiles beyond the map's edge are never see-through.
    const bool seeThrough = m_map.IsSeeThrough(m_centreX + dx, m_centreY + dy);
    Cell(dx, dy) = innerSeen && seeThrough ? kSeen : kNotSeen;
}

bool VisionGrid::IsVisible(const Vector& point) const {
    const Vector offset =
        point - Vector(static_cast<float>(m_centreX), static_cast<float>(m_centreY), 0.0f);
    if (offset.LengthSquared() > static_cast<float>(m_radius * m_radius))
        return false;
    return IsCellSeen(ToIntWithin(offset.x, -kSide, kSide), ToIntWithin(offset.y, -kSide, kSide));
}

void VisionGrid::ClearSeenTiles() {
    if (!m_changed)
        return;
    for (int i = kFogFirst; i <= kFogLast; ++i) {
        for (int j = kFogFirst; j <= kFogLast; ++j) {
            const int x = m_previousX + i - kCentre;
            const int y = m_previousY + j - kCentre;
            m_map.SetInView(x, y, false);
            m_map.SetInViewEdge(x, y, false);
        }
    }
    m_previousX = m_centreX;
    m_previousY = m_centreY;
}

void VisionGrid::FlagSeenTiles() {
    if (!m_changed)
        return;
    for (int i = 0; i < kSide; ++i) {
        for (int j = 0; j < kSide; ++j) {
            const int dx = i - kCentre;
            const int dy = j - kCentre;
            if (m_cells[i * kSide + j] != kSeen || dx * dx + dy * dy > m_radius * m_radius)
                continue;
            m_map.SetInView(m_centreX + dx, m_centreY + dy, true);
            m_map.SetExplored(m_centreX + dx, m_centreY + dy, true);
        }
    }
    const auto explored = [this](int x, int y) { return m_map.IsExplored(x, y); };
    const auto inView = [this](int x, int y) { return m_map.IsInView(x, y); };
    for (int i = kFogFirst; i <= kFogLast; ++i) {
        for (int j = kFogFirst; j <= kFogLast; ++j) {
            const int x = m_centreX + i - kCentre;
            const int y = m_centreY + j - kCentre;
            FlagEdge(x, y, explored,
                     [this](int ex, int ey) { m_map.SetExploredEdge(ex, ey, true); });
            FlagEdge(x, y, inView, [this](int ex, int ey) { m_map.SetInViewEdge(ex, ey, true); });
        }
    }
}

template <class Test, class SetEdge>
void VisionGrid::FlagEdge(int x, int y, Test hasFlag, SetEdge setEdge) {
    if (hasFlag(x, y))
        return;
    bool besideFlagged = false;
    Vector away;
    for (const auto& offset : kNeighbours) {
        if (hasFlag(x + offset[0], y + offset[1]))
            besideFlagged = true;
        else
            away = away - Vector(static_cast<float>(offset[0]), static_cast<float>(offset[1]), 0);
    }
    if (!besideFlagged)
        return;
    setEdge(x, y);
    m_map.SetEdgeDir(x, y, AngleToDir8(away.Heading()));
}
