#pragma once
// Finds a creature's way across the tile map into Waypoints. The search runs backwards,
// from the goal's cell to the start's, so the parent links read in walking order; the
// cells it passes become at most six points, pulled tight along walkable lines. Walls cost
// much but do not stop the search: a goal in a wall gives a path into it, which callers cut
// with Waypoints::TruncateAtFirstBlocked.
//
// One search at a time: a path finder is not re-entrant.

#include "Library/core/vector.h"
#include "Library/world/cell_node_index.h"
#include "Library/world/path_point_list.h"
#include "Library/world/path_search.h"

class OpenCellFinder;
class TileMap;
class Waypoints;

template <class Lookup, class Heap = PathOpenHeap> class BasicPathFinder {
public:
    // Both must outlive the path finder.
    BasicPathFinder(const TileMap& map, const OpenCellFinder& openCells);

    // True with the waypoints filled (start and goal as asked); false, the waypoints
    // untouched, when no walkable cell lies at or next to the start or the search fails.
    bool FindPath(const Vector& start, const Vector& goal, Waypoints& path);
    // The same found from both ends at once: from the start's cell and from the goal's
    // nearest open cell (none: false), a step of each in turn, until one's open list holds
    // a cell the other's holds; the path runs through that cell. A search that reaches the
    // other end first, or start and goal in one cell, gives its own path.
    bool FindPathAlt(const Vector& start, const Vector& goal, Waypoints& path);

    const PathSearch<Lookup, Heap>& GetSearch() const { return m_search; }

private:
    // Where the two searches of FindPathAlt join: the first's node (its chain leads back to
    // the start) and the second's (its chain leads on to the goal), either possibly null.
    struct Meeting {
        PathSearchNode* near = nullptr;
        PathSearchNode* far = nullptr;
    };
    bool RunBothWays(uint32_t startX, uint32_t startY, uint32_t goalX, uint32_t goalY,
                     Meeting& meeting);
    bool IsClearMeeting(const PathSearchNode& near, const PathSearchNode& far) const;
    void FillWaypoints(const Vector& start, const Vector& goal, Waypoints& path);

    const TileMap& m_map;
    const OpenCellFinder& m_openCells;
    PathSearch<Lookup, Heap> m_search;
    PathSearch<Lookup, Heap> m_searchBack; // FindPathAlt's second
    PathPointList m_points;
};

using PathFinder = BasicPathFinder<CellNodeIndex>;
