#include "Library/world/path_search.h"

#include "Library/world/cell_node_index.h"
#include "Library/world/linear_node_lookup.h"
#include "Library/world/tile_map.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr float kWalkableCost = 1.0f;

// The heap keeps the smallest f on top; a pushed node rises only past larger f.
struct HeapOrder {
    bool operator()(const PathOpenEntry& a, const PathOpenEntry& b) const { return a.f > b.f; }
};

} // namespace

template <class Lookup>
PathSearch<Lookup>::PathSearch(const TileMap& map, int capacity)
    : m_map(map), m_pool(capacity), m_lookup(capacity) {
    m_open.reserve(capacity);
    m_closed.reserve(capacity);
    m_successors.reserve(4);
}

template <class Lookup>
SearchState PathSearch<Lookup>::Run(uint32_t fromX, uint32_t fromY, uint32_t toX, uint32_t toY) {
    Begin(fromX, fromY, toX, toY);
    while (Step() == SearchState::kSearching) {
    }
    return m_state;
}

template <class Lookup>
void PathSearch<Lookup>::Begin(uint32_t fromX, uint32_t fromY, uint32_t toX, uint32_t toY) {
    Release();
    m_cancelRequested = false;
    m_lookup.Fit(m_map.GetWidth(), m_map.GetHeight());
    m_start = m_pool.Allocate(fromX, fromY);
    m_target = m_pool.Allocate(toX, toY);
    m_state = SearchState::kSearching;
    m_steps = 0;
    m_start->h = Estimate(*m_start);
    m_start->f = m_start->h;
    Open(m_start);
}

template <class Lookup> void PathSearch<Lookup>::Release() {
    m_pool.FreeAll();
    m_open.clear();
    m_closed.clear();
    m_lookup.Clear();
    m_start = m_target = nullptr;
}

template <class Lookup> SearchState PathSearch<Lookup>::Step() {
    if (m_state != SearchState::kSearching)
        return m_state;
    if (m_open.empty() || m_cancelRequested) {
        Release();
        return m_state = SearchState::kFailed;
    }
    ++m_steps;
    PathSearchNode* node = m_open.front().node;
    std::pop_heap(m_open.begin(), m_open.end(), HeapOrder());
    m_open.pop_back();
    node->list = PathSearchNode::kNoList;
    if (node->IsAt(m_target->x, m_target->y)) {
        m_target->parent = node->parent;
        m_target->g = node->g;
        return m_state = SearchState::kSucceeded;
    }
    Expand(node);
    return m_state;
}

// Neighbours in an order that alternates with the cell's parity, the way back to the
// parent left out. Bounds and walls are not tested here: the cost takes care of them.
template <class Lookup> void PathSearch<Lookup>::Expand(PathSearchNode* node) {
    const uint32_t x = node->x, y = node->y;
    const bool odd = ((x + y) & 1) != 0;
    const uint32_t cells[4][2] = {
        {odd ? x + 1 : x, odd ? y : y + 1},
        {odd ? x : x - 1, odd ? y - 1 : y},
        {odd ? x - 1 : x, odd ? y : y - 1},
        {odd ? x : x + 1, odd ? y + 1 : y},
    };
    m_successors.clear();
    for (const auto& cell : cells) {
        if (node->parent && node->parent->IsAt(cell[0], cell[1]))
            continue;
        if (PathSearchNode* successor = m_pool.Allocate(cell[0], cell[1]))
            m_successors.push_back(successor); // a spent pool leaves the neighbour out
    }
    const bool walkable = m_map.IsWalkable(static_cast<int>(x), static_cast<int>(y));
    const float cost = walkable ? kWalkableCost : PathSearch::kBlockedCost;
    for (PathSearchNode* successor : m_successors)
        Consider(node, successor, node->g + cost);
    node->list = PathSearchNode::kClosedList;
    m_lookup.Close(node);
    node->closedSlot = static_cast<int>(m_closed.size());
    m_closed.push_back(node);
}

// A successor replaces the node already held for its cell only when it comes cheaper.
template <class Lookup>
void PathSearch<Lookup>::Consider(PathSearchNode* from, PathSearchNode* successor, float cost) {
    PathSearchNode* open = m_lookup.FindOpen(m_open, successor->x, successor->y);
    PathSearchNode* closed =
        open ? nullptr : m_lookup.FindClosed(m_closed, successor->x, successor->y);
    if ((open && open->g <= cost) || (closed && closed->g <= cost)) {
        m_pool.Free(successor);
        return;
    }
    successor->parent = from;
    successor->g = cost;
    successor->h = Estimate(*successor);
    successor->f = successor->g + successor->h;
    if (closed) {
        RemoveClosed(closed);
        m_lookup.Remove(closed);
        m_pool.Free(closed);
    }
    if (open)
        ReplaceOpen(open, successor);
    else
        Open(successor);
}

template <class Lookup> void PathSearch<Lookup>::Open(PathSearchNode* node) {
    node->list = PathSearchNode::kOpenList;
    m_open.push_back(PathOpenEntry{node->f, node});
    std::push_heap(m_open.begin(), m_open.end(), HeapOrder());
    m_lookup.Add(node);
}

// The old node leaves the heap with the rest kept in their order, the heap is built afresh
// over them and the cheaper node is pushed as a new one: a pass over the open list, but the
// order in which equal nodes come off the heap, and so the path, stays the one this gives.
template <class Lookup>
void PathSearch<Lookup>::ReplaceOpen(PathSearchNode* old, PathSearchNode* node) {
    m_open.erase(std::find_if(m_open.begin(), m_open.end(),
                              [old](const PathOpenEntry& entry) { return entry.node == old; }));
    std::make_heap(m_open.begin(), m_open.end(), HeapOrder());
    m_lookup.Remove(old);
    m_pool.Free(old);
    Open(node);
}

// The closed list's order decides nothing, so the last node fills the gap.
template <class Lookup> void PathSearch<Lookup>::RemoveClosed(PathSearchNode* node) {
    PathSearchNode* last = m_closed.back();
    m_closed[node->closedSlot] = last;
    last->closedSlot = node->closedSlot;
    m_closed.pop_back();
}

// A node replaced by a cheaper one goes back to the pool while nodes it expanded still name
// it, and the pool may hand it out again for another cell: a chain can jump or close into a
// loop. A sound one steps to a 4-neighbour of lower cost each time, so it has at most as many
// steps as the pool has nodes. Cells wrap as the search's own arithmetic does.
template <class Lookup> bool PathSearch<Lookup>::LeadsBack(const PathSearchNode* node) const {
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

template <class Lookup> bool PathSearch<Lookup>::LinkChildren(PathSearchNode* node) {
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
template <class Lookup> float PathSearch<Lookup>::Estimate(const PathSearchNode& node) const {
    const double dx = static_cast<double>(node.x) - m_target->x;
    const double dy = static_cast<double>(node.y) - m_target->y;
    return static_cast<float>(dx * dx + dy * dy);
}

template class PathSearch<CellNodeIndex>;
template class PathSearch<LinearNodeLookup>;
