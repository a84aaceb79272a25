#include "Library/world/path_finder.h"

#include "Library/core/maths.h"
#include "Library/world/cell_node_index.h"
#include "Library/world/in_place_open_heap.h"
#include "Library/world/linear_node_lookup.h"
#include "Library/world/open_cell_finder.h"
#include "Library/world/tile_map.h"
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

template <class Lookup, class Heap>
BasicPathFinder<Lookup, Heap>::BasicPathFinder(const TileMap& map, const OpenCellFinder& openCells)
    : m_map(map), m_openCells(openCells), m_search(map), m_searchBack(map) {}

template <class Lookup, class Heap>
bool BasicPathFinder<Lookup, Heap>::FindPath(const Vector& start, const Vector& goal,
                                             Waypoints& path) {
    Vector from;
    if (!m_openCells.FindNearestOpenCell(start, from))
        return false;
    if (m_search.Run(CellOf(goal.x), CellOf(goal.y), CellOf(from.x), CellOf(from.y)) !=
        SearchState::kSucceeded)
        return false;
    if (!m_search.LeadsBack(m_search.GetTarget())) {
        m_search.Release();
        return false;
    }
    m_points.Clear();
    for (const PathSearchNode* node = m_search.GetTarget()->parent; node; node = node->parent)
        m_points.AddPoint(CentreOf(*node));
    m_search.Release();
    FillWaypoints(start, goal, path);
    return true;
}

template <class Lookup, class Heap>
void BasicPathFinder<Lookup, Heap>::FillWaypoints(const Vector& start, const Vector& goal,
                                                  Waypoints& path) {
    m_points.AddPointRaw(goal);
    m_points.Simplify(Waypoints::kMaxPoints, m_map);
    path.Clear();
    for (int i = 0; i < m_points.GetSmoothedCount(); ++i)
        path.Add(m_points.GetSmoothed(i));
    path.SetStart(start);
    path.SetGoal(goal);
}

// The two halves join on a walkable cell and neither has left a cell that is not: each
// search enters such a cell at no cost, so a meeting on one would cross a wall for nothing,
// and a half that crossed one already has a wall-free way still to be found.
template <class Lookup, class Heap>
bool BasicPathFinder<Lookup, Heap>::IsClearMeeting(const PathSearchNode& near,
                                                   const PathSearchNode& far) const {
    constexpr float kBlocked = PathSearch<Lookup, Heap>::kBlockedCost;
    return near.g < kBlocked && far.g < kBlocked &&
           m_map.IsWalkable(static_cast<int>(near.x), static_cast<int>(near.y));
}

template <class Lookup, class Heap>
bool BasicPathFinder<Lookup, Heap>::RunBothWays(uint32_t startX, uint32_t startY, uint32_t goalX,
                                                uint32_t goalY, Meeting& meeting) {
    m_search.Begin(startX, startY, goalX, goalY);
    m_searchBack.Begin(goalX, goalY, startX, startY);
    for (;;) {
        const SearchState there = m_search.Step();
        const SearchState back = m_searchBack.Step();
        if (there == SearchState::kSucceeded) {
            meeting.near = m_search.GetTarget();
            return true;
        }
        if (back == SearchState::kSucceeded) {
            meeting.far = m_searchBack.GetTarget();
            return true;
        }
        if (there != SearchState::kSearching || back != SearchState::kSearching)
            return false;
        for (const PathOpenEntry& entry : m_search.GetOpen()) {
            PathSearchNode& near = m_search.GetNode(entry.node);
            PathSearchNode* far = m_searchBack.FindOpen(near.x, near.y);
            if (far && IsClearMeeting(near, *far)) {
                meeting.near = &near;
                meeting.far = far;
                return true;
            }
        }
    }
}

// The cells after the start's down the first search's half, then on from the meeting cell
// up the second's to the goal's.
template <class Lookup, class Heap>
bool BasicPathFinder<Lookup, Heap>::FindPathAlt(const Vector& start, const Vector& goal,
                                                Waypoints& path) {
    Vector to;
    if (!m_openCells.FindNearestOpenCell(goal, to))
        return false;
    Meeting meeting;
    bool found = RunBothWays(CellOf(start.x), CellOf(start.y), CellOf(to.x), CellOf(to.y), meeting);
    found = found && (!meeting.near || m_search.LinkChildren(meeting.near)) &&
            (!meeting.far || m_searchBack.LinkChildren(meeting.far));
    if (found) {
        m_points.Clear();
        if (meeting.near)
            for (const PathSearchNode* node = m_search.GetStart()->child; node; node = node->child)
                m_points.AddPoint(CentreOf(*node));
        for (const PathSearchNode* node = meeting.far ? meeting.far->parent : nullptr; node;
             node = node->parent)
            m_points.AddPoint(CentreOf(*node));
        FillWaypoints(start, goal, path);
    }
    m_search.Release();
    m_searchBack.Release();
    return found;
}

template class BasicPathFinder<CellNodeIndex>;
template class BasicPathFinder<LinearNodeLookup>;
template class BasicPathFinder<CellNodeIndex, InPlaceOpenHeap>;
