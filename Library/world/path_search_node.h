#pragma once
// One cell of an A* search, taken from the search's node pool. Cells are unsigned: a
// neighbour west of column 0 or north of row 0 wraps to 4294967295.

#include <cstdint>

struct PathSearchNode {
    PathSearchNode* parent = nullptr; // toward the search's start
    PathSearchNode* child = nullptr;  // away from it, along a joined path only
    float g = 0.0f;                   // cost from the search's start
    float h = 0.0f;                   // estimate to the search's target
    float f = 0.0f;                   // g + h
    uint32_t x = 0;
    uint32_t y = 0;

    bool IsAt(uint32_t cellX, uint32_t cellY) const { return x == cellX && y == cellY; }
    void PrintNodeInfo() const; // its cell, to the standard output
};

// What a search holds for a cell: the list its node lies in (none: no node) and the node's
// index in the pool.
struct CellHold {
    enum List : uint8_t { kNoList, kOpenList, kClosedList };

    List list;
    uint32_t node;
};
