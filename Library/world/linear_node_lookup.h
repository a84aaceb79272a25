#pragma once
// Finds a search's node for a cell by scanning a list of the open cells, then one of the
// closed cells: the plain form the cell index stands in for, kept to check and measure the
// index against.

#include "Library/world/path_search_node.h"

#include <cstdint>
#include <vector>

class LinearNodeLookup {
public:
    explicit LinearNodeLookup(int capacity);

    void Fit(int /*width*/, int /*height*/) { Clear(); }
    CellHold Find(uint32_t x, uint32_t y) const;
    void Add(uint32_t x, uint32_t y, uint32_t node);
    void Close(uint32_t x, uint32_t y);
    void Remove(uint32_t x, uint32_t y);
    void Clear();

private:
    struct HeldCell {
        uint32_t x, y, node;
    };
    // The place of the cell in the list, or -1.
    static long Scan(const std::vector<HeldCell>& list, uint32_t x, uint32_t y);
    static HeldCell Take(std::vector<HeldCell>& list, long place);

    std::vector<HeldCell> m_open;
    std::vector<HeldCell> m_closed;
};
