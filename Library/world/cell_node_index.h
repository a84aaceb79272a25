#pragma once
// Finds the node a search holds for a cell in constant time: one slot per cell of the map
// and of the ring just outside it, holding the node's pool index and the list it lies in,
// emptied between searches slot by slot used. The rare cells farther out, which only a
// search crossing the ring reaches, are kept in a short list that is scanned. A search
// holds at most one node per cell in its open and closed lists together, so the node found
// is the one a scan of either list would find.

#include "Library/world/path_search_node.h"

#include <cstdint>
#include <vector>

class CellNodeIndex {
public:
    explicit CellNodeIndex(int capacity); // the most nodes held at once

    void Fit(int width, int height); // to the map of the next search; empties the index
    CellHold Find(uint32_t x, uint32_t y) const;

    void Add(uint32_t x, uint32_t y, uint32_t node); // into the open list; the cell holds none
    void Close(uint32_t x, uint32_t y);              // from the open list into the closed one
    void Remove(uint32_t x, uint32_t y);             // from either list
    void Clear();

private:
    struct FarCell {
        uint32_t x, y;
        CellHold hold;
    };
    static constexpr uint32_t kListBits = 2;

    long SlotOf(uint32_t x, uint32_t y) const; // -1 beyond the ring
    FarCell* FindFar(uint32_t x, uint32_t y);

    int m_columns = 0; // the map's width and height and the ring on either side
    int m_rows = 0;
    std::vector<uint32_t> m_slots; // node index << kListBits | list; 0 holds nothing
    std::vector<long> m_used;      // every slot filled since the last clear
    std::vector<FarCell> m_far;
};
