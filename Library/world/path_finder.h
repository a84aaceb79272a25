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

template <class Lookup> class BasicPathFinder {
public:
    // Both must outlive the path finder.
    BasicPathFinder(const TileMap& map, const OpenCellFinder& openCells);

    // True with the waypoints filled (start and goal as asked); false, the waypoints
    // untouched, when no walkable cell lies at or next to the start or the search fails.
    bool FindPath(const Vector& start, const Vector& goal, Waypoints& path);

    const PathSearch<Lookup>& GetSearch() const { return m_search; }

private:
    const TileMap& m_map;
    const OpenCellFinder& m_openCells;
    PathSearch<Lookup> m_search;
    PathPointList m_points;
};

using PathFinder = BasicPathFinder<CellNodeIndex>;
