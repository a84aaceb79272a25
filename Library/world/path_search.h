#pragma once
// One A* search over tile cells, four neighbours a step, every node from a fixed pool.
// Entering a cell costs 1 from a walkable cell and 10000 from any other (outside the map
// too), so a route through walls is found when nothing cheaper is left. The estimate is
// the squared distance, which makes the search nearly greedy: paths are valid and the
// same every time, not always the shortest.
//
// The open list is a binary heap on f; a node of equal f pushed after another stays below
// it. Lookup finds the node a list holds for a cell: CellNodeIndex in constant time, or
// LinearNodeLookup by scanning. Both give the same search, step for step. Heap is the open
// list: PathOpenHeap, or a form kept to measure it against.

#include "Library/world/node_pool.h"
#include "Library/world/path_open_heap.h"
#include "Library/world/path_search_node.h"

#include <cstdint>
#include <vector>

class TileMap;

// A spent pool leaves neighbours out instead, so kOutOfMemory is never entered.
enum class SearchState {
    kNotInitialised = 0,
    kSearching = 1,
    kSucceeded = 2,
    kFailed = 3,
    kOutOfMemory = 4,
};

template <class Lookup, class Heap = PathOpenHeap> class PathSearch {
public:
    static constexpr int kPoolCapacity = 5000;
    static constexpr float kBlockedCost = 10000.0f; // of leaving a cell that is not walkable

    explicit PathSearch(const TileMap& map, int capacity = kPoolCapacity);
    PathSearch(const PathSearch&) = delete;
    PathSearch& operator=(const PathSearch&) = delete;

    // Searches from cell (fromX, fromY) to (toX, toY). After a success the target's node
    // and its parent chain, which leads back to the start, stay until Release; a failure
    // (no open node left, the pool's nodes spent) has given every node back already.
    SearchState Run(uint32_t fromX, uint32_t fromY, uint32_t toX, uint32_t toY);
    // The same set up to be run a step at a time: each Step takes one node off the open list.
    void Begin(uint32_t fromX, uint32_t fromY, uint32_t toX, uint32_t toY);
    SearchState Step();
    // The next Step gives every node back and fails; the next Begin clears the request.
    void RequestCancel() { m_cancelRequested = true; }
    // The open list's node for the cell, or null.
    PathSearchNode* FindOpen(uint32_t x, uint32_t y) const {
        const CellHold held = m_lookup.Find(x, y);
        return held.list == CellHold::kOpenList ? &m_pool.At(held.node) : nullptr;
    }
    const std::vector<PathOpenEntry>& GetOpen() const { return m_open.Entries(); }
    PathSearchNode& GetNode(uint32_t index) const { return m_pool.At(index); } // an entry's
    const PathSearchNode* GetStart() const { return m_start; }
    const PathSearchNode* GetTaken() const { return m_taken; } // by the last step, or null
    // Whether the node's parents lead back to the start (or it is the target of a search
    // that ended in the start's own cell), one 4-neighbour step of falling cost at a time.
    bool LeadsBack(const PathSearchNode* node) const;
    // Child links from the search's start down to the node; false, when its parents do not
    // lead back to the start.
    bool LinkChildren(PathSearchNode* node);
    PathSearchNode* GetTarget() const { return m_target; }
    void Release(); // every node back to the pool, the lists empty

    SearchState GetState() const { return m_state; }
    int GetStepCount() const { return m_steps; } // nodes expanded by the last search
    const NodePool& GetPool() const { return m_pool; }

private:
    void Expand(PathSearchNode* node);
    void Consider(PathSearchNode* from, uint32_t x, uint32_t y, float cost);
    void Open(uint32_t node);
    float Estimate(uint32_t x, uint32_t y) const;

    const TileMap& m_map;
    NodePool m_pool;
    Lookup m_lookup;
    Heap m_open;
    SearchState m_state = SearchState::kNotInitialised;
    int m_steps = 0;
    bool m_cancelRequested = false;
    PathSearchNode* m_start = nullptr;
    PathSearchNode* m_target = nullptr;
    PathSearchNode* m_taken = nullptr;
};
