#pragma once
// Finds the node a search holds for a cell in constant time: a hash table keyed on the cell,
// open addressing with linear probing, emptied at once between searches. A search holds at
// most one node per cell in its open and closed lists together, so the node found is the
// one a scan of either list would find.

#include "Library/world/path_search_node.h"

#include <cstdint>
#include <vector>

class CellNodeIndex {
public:
    explicit CellNodeIndex(int capacity); // the most nodes held at once

    // The node of the cell when it lies in that list, else null. The lists themselves are
    // not read.
    PathSearchNode* FindOpen(const std::vector<PathSearchNode*>& /*open*/, uint32_t x,
                             uint32_t y) const {
        return FindIn(PathSearchNode::kOpenList, x, y);
    }
    PathSearchNode* FindClosed(const std::vector<PathSearchNode*>& /*closed*/, uint32_t x,
                               uint32_t y) const {
        return FindIn(PathSearchNode::kClosedList, x, y);
    }

    void Add(PathSearchNode* node);    // its cell holds no node yet
    void Remove(PathSearchNode* node); // a node added before
    void Clear();

private:
    struct Slot {
        PathSearchNode* node;
        uint32_t generation; // the slot is empty unless this is the current one
    };

    PathSearchNode* FindIn(PathSearchNode::List list, uint32_t x, uint32_t y) const;
    uint32_t Home(uint32_t x, uint32_t y) const;
    bool IsFull(uint32_t slot) const { return m_slots[slot].generation == m_generation; }

    std::vector<Slot> m_slots;
    uint32_t m_mask;
    uint32_t m_generation = 1;
};
