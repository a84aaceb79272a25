#include "Library/world/path_search.h"

#include "Library/world/cell_node_index.h"
#include "Library/world/in_place_open_heap.h"
#include "Library/world/linear_node_lookup.h"
#include "Library/world/tile_map.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr float kWalkableCost = 1.0f;

} // namespace

template <class Lookup, class Heap>
PathSearch<Lookup, Heap>::PathSearch(const TileMap& map, int capacity)
    : m_map(map), m_pool(capacity), m_lookup(capacity) {
    m_open.Reserve(capacity);
}

template <class Lookup, class Heap>
SearchState PathSearch<Lookup, Heap>::Run(uint32_t fromX, uint32_t fromY, uint32_t toX,
                                          uint32_t toY) {
    Begin(fromX, fromY, toX, toY);
    while (Step() == SearchState::kSearching) {
    }
    return m_state;
}

template <class Lookup, class Heap>
void PathSearch<Lookup, Heap>::Begin(uint32_t fromX, uint32_t fromY, uint32_t toX, uint32_t toY) {
    Release();
    m_cancelRequested = false;
    m_lookup.Fit(m_map.GetWidth(), m_map.GetHeight());
    const uint32_t start = m_pool.Allocate(fromX, fromY);
    m_start = &m_pool.At(start);
    m_target = &m_pool.At(m_pool.Allocate(toX, toY));
    m_state = SearchState::kSearching;
    m_steps = 0;
    m_start->h = Estimate(fromX, fromY);
    m_start->f = m_start->h;
    Open(start);
}

template <class Lookup, class Heap> void PathSearch<Lookup, Heap>::Release() {
    m_pool.FreeAll();
    m_open.Clear();
    m_lookup.Clear();
    m_start = m_target = m_taken = nullptr;
}

template <class Lookup, class Heap> SearchState PathSearch<Lookup, Heap>::Step() {
    if (m_state != SearchState::kSearching)
        return m_state;
    if (m_open.Empty() || m_cancelRequested) {
        Release();
        return m_state = SearchState::kFailed;
    }
    ++m_steps;
    PathSearchNode* node = m_taken = &m_pool.At(m_open.Pop().node);
    if (node->IsAt(m_target->x, m_target->y)) {
        m_target->parent = node->parent;
        m_target->g = node->g;
        return m_state = SearchState::kSucceeded;
    }
    Expand(node);
    return m_state;
}

// Neighbours in an order that alternates with the cell's parity, the way back to the
// parent left out. Bounds and walls are not tested here: the cost takes care of them. Each
// neighbour needs a node of the pool, taken before any is weighed; a spent pool leaves the
// last ones out. A neighbour that is not cheaper gives its node straight back, so only
// those kept take one.
template <class Lookup, class Heap> void PathSearch<Lookup, Heap>::Expand(PathSearchNode* node) {
    const uint32_t x = node->x, y = node->y;
    const bool odd = ((x + y) & 1) != 0;
    const uint32_t around[4][2] = {
        {odd ? x + 1 : x, odd ? y : y + 1},
        {odd ? x : x - 1, odd ? y - 1 : y},
        {odd ? x - 1 : x, odd ? y : y - 1},
        {odd ? x : x + 1, odd ? y + 1 : y},
    };
    uint32_t cells[4][2];
    int count = 0;
    for (const auto& cell : around) {
        if (node->parent && node->parent->IsAt(cell[0], cell[1]))
            continue;
        cells[count][0] = cell[0];
        cells[count++][1] = cell[1];
    }
    count = std::min(count, m_pool.GetFreeCount());
    const bool walkable = m_map.IsWalkable(static_cast<int>(x), static_cast<int>(y));
    const float cost = node->g + (walkable ? kWalkableCost : PathSearch::kBlockedCost);
    for (int i = 0; i < count; ++i)
        Consider(node, cells[i][0], cells[i][1], cost);
    m_lookup.Close(x, y);
}

// A successor replaces the node already held for its cell only when it comes cheaper: a
// closed one leaves its list, an open one leaves the heap, which is rebuilt before the
// successor is pushed.
template <class Lookup, class Heap>
void PathSearch<Lookup, Heap>::Consider(PathSearchNode* from, uint32_t x, uint32_t y, float cost) {
    const CellHold held = m_lookup.Find(x, y);
    if (held.list != CellHold::kNoList && m_pool.At(held.node).g <= cost)
        return;
    const uint32_t index = m_pool.Allocate(x, y);
    PathSearchNode& successor = m_pool.At(index);
    successor.parent = from;
    successor.g = cost;
    successor.h = Estimate(x, y);
    successor.f = successor.g + successor.h;
    if (held.list == CellHold::kNoList) {
        Open(index);
        return;
    }
    m_lookup.Remove(x, y);
    m_pool.Free(held.node);
    if (held.list == CellHold::kClosedList) {
        Open(index);
        return;
    }
    m_open.Replace(held.node, PathOpenEntry{successor.f, index});
    m_lookup.Add(x, y, index);
}

template <class Lookup, class Heap> void PathSearch<Lookup, Heap>::Open(uint32_t index) {
    const PathSearchNode& node = m_pool.At(index);
    m_open.Push(PathOpenEntry{node.f, index});
    m_lookup.Add(node.x, node.y, index);
}

// A node replaced by a cheaper one is not handed out again while the search runs, so the
// nodes it expanded still lead back through it; the walk is checked all the same, so that
// no chain can jump or close into a loop. A sound one steps to a 4-neighbour of lower cost
// each time, so it has at most as many steps as the pool has nodes. Cells wrap as the
// search's own arithmetic does.
template <class Lookup, class Heap>
bool PathSearch<Lookup, Heap>::LeadsBack(const PathSearchNode* node) const {
    if (!node)
        return false;
    for (int steps = 0; node->parent; node = node->parent) {
        const PathSearchNode& parent = *node->parent;
        const uint32_t dx = node->x - parent.x, dy = node->y - parent.y;
        const bool neighbour = (dx == 0 && (dy == 1 || dy == UINT32_MAX)) ||
                               (dy == 0 && (dx == 1 || dx == UINT32_MAX));
        if (++steps > m_pool.GetCapacity() || !neighbour || !(parent.g < node->g))
            return false;
    }
    return node == m_start || (node == m_target && m_state == SearchState::kSucceeded);
}

template <class Lookup, class Heap>
bool PathSearch<Lookup, Heap>::LinkChildren(PathSearchNode* node) {
    if (!LeadsBack(node))
        return false;
    if (node == m_target && !node->parent) {
        m_start->child = nullptr; // the target's cell was the start's: no step between
        return true;
    }
    node->child = nullptr;
    for (; node->parent; node = node->parent)
        node->parent->child = node;
    return true;
}

// The squared distance to the target, in doubles: a wrapped cell lies very far away.
template <class Lookup, class Heap>
float PathSearch<Lookup, Heap>::Estimate(uint32_t x, uint32_t y) const {
    const double dx = static_cast<double>(x) - m_target->x;
    const double dy = static_cast<double>(y) - m_target->y;
    return static_cast<float>(dx * dx + dy * dy);
}

template class PathSearch<CellNodeIndex>;
template class PathSearch<LinearNodeLookup>;
template class PathSearch<CellNodeIndex, InPlaceOpenHeap>;
