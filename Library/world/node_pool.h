#pragma once
// A fixed block of search nodes allocated once, handed out and taken back through a free
// chain and a used chain linked through the nodes, so a search allocates nothing.

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

    int GetCapacity() const { return m_capacity; }
    int GetFreeCount() const { return m_freeCount; }
    long GetAllocatedCount() const { return m_allocated; } // ever handed out
    long GetFreedCount() const { return m_freed; }         // ever taken back

private:
    int m_capacity;
    std::unique_ptr<PathSearchNode[]> m_block;
    PathSearchNode* m_free = nullptr; // singly linked through poolNext
    PathSearchNode* m_used = nullptr; // doubly linked
    int m_freeCount = 0;
    long m_allocated = 0;
    long m_freed = 0;
};
