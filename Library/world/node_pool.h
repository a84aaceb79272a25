#pragma once
// A fixed block of search nodes allocated once and handed out by index: first those never
// handed out since the last FreeAll, then those given back, last in first out. A search
// allocates nothing, and giving every node back costs nothing per node.

#include "Library/world/path_search_node.h"

#include <memory>

class NodePool {
public:
    explicit NodePool(int capacity);
    NodePool(const NodePool&) = delete;
    NodePool& operator=(const NodePool&) = delete;

    // A blank node at the cell; null when every node is in use.
    PathSearchNode* Allocate(uint32_t x, uint32_t y);
    void Free(PathSearchNode* node); // a node this pool handed out
    void FreeAll();                  // every node in use comes back

    PathSearchNode& At(uint32_t index) const { return m_block[index]; }
    uint32_t IndexOf(const PathSearchNode* node) const {
        return static_cast<uint32_t>(node - m_block.get());
    }

    int GetCapacity() const { return m_capacity; }
    int GetFreeCount() const { return m_capacity - m_fresh + m_givenBackCount; }
    long GetAllocatedCount() const { return m_allocated; } // ever handed out
    long GetFreedCount() const { return m_freed; }         // ever taken back

private:
    int m_capacity;
    std::unique_ptr<PathSearchNode[]> m_block;
    std::unique_ptr<uint32_t[]> m_givenBack; // a stack of indices
    int m_givenBackCount = 0;
    int m_fresh = 0; // nodes from here on not handed out since the last FreeAll
    long m_allocated = 0;
    long m_freed = 0;
};
