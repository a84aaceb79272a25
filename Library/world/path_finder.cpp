#include "Library/world/path_finder.h"

#include "Library/core/maths.h"
#include "Library/world/cell_node_index.h"
#include "Library/world/linear_node_lookup.h"
#include "Library/world/open_cell_finder.h"
#include "Library/world/waypoints.h"

#include <climits>

namespace {

// Truncated toward zero and taken as unsigned, as the search holds cells.
uint32_t CellOf(float value) {
    return static_cast<uint32_t>(ToIntWithin(value, INT_MIN, INT_MAX));
}

Vector CentreOf(const PathSearchNode& node) {
    return Vector(static_cast<float>(node.x) + 0.5f, static_cast<float>(node.y) + 0.5f, 0.0f);
}

} // namespace

template <class Lookup>
BasicPathFinder<Lookup>::BasicPathFinder(const TileMap& map, const OpenCellFinder& openCells)
    : m_map(map), m_openCells(openCells), m_search(map) {}

template <class Lookup>
bool BasicPathFinder<Lookup>::FindPath(const Vector& start, const Vector& goal, Waypoints& path) {
    Vector from;
    if (!m_openCells.FindNearestOpenCell(start, from))
        return false;
    if (m_search.Run(CellOf(goal.x), CellOf(goal.y), CellOf(from.x), CellOf(from.y)) !=
        SearchState::kSucceeded)
        return false;
    m_points.Clear();
    for (const PathSearchNode* node = m_search.GetTarget()->parent; node; node = node->parent)
        m_points.AddPoint(CentreOf(*node));
    m_search.Release();
    m_points.AddPointRaw(goal);
    m_points.Simplify(Waypoints::kMaxPoints, m_map);
    path.Clear();
    for (int i = 0; i < m_points.GetSmoothedCount(); ++i)
        path.Add(m_points.GetSmoothed(i));
    path.SetStart(start);
    path.SetGoal(goal);
    return true;
}

template class BasicPathFinder<CellNodeIndex>;
template class BasicPathFinder<LinearNodeLookup>;
