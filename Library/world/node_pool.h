#pragma once
// The nodes of one search, handed out by index, at most capacity in use at once. A node
// given back is counted free but its memory is not handed out again until FreeAll: the
// nodes it was parent to still read its cell and its own parent, so every parent chain
// stays the way it was built. The blocks grow only past the most one search has needed,
// and are kept, so searches after the first allocate nothing; giving every node back costs
// nothing per node.

#include "Library/world/path_search_node.h"

#include <memory>
#include <vector>

class NodePool {
public:
    static constexpr uint32_t kNone = UINT32_MAX;

    explicit NodePool(int capacity);
    NodePool(const NodePool&) = delete;
    NodePool& operator=(const NodePool&) = delete;

    // The index of a blank node at the cell; kNone when capacity nodes are in use.
    uint32_t Allocate(uint32_t x, uint32_t y);
    void Free(uint32_t index); // a node in use
    void FreeAll();            // every node in use comes back

    PathSearchNode& At(uint32_t index) const {
        return m_blocks[index >> kBlockBits][index & (kBlockSize - 1)];
    }

    int GetCapacity() const { return m_capacity; }
    int GetFreeCount() const { return m_capacity - m_inUse; }
    long GetAllocatedCount() const { return m_allocated; } // ever handed out
    long GetFreedCount() const { return m_freed; }         // ever taken back

private:
    static constexpr uint32_t kBlockBits = 10;
    static constexpr uint32_t kBlockSize = 1u << kBlockBits;

    int m_capacity;
    std::vector<std::unique_ptr<PathSearchNode[]>> m_blocks;
    uint32_t m_next = 0; // nodes from here on not handed out since the last FreeAll
    int m_inUse = 0;
    long m_allocated = 0;
    long m_freed = 0;
};
