#include "Library/world/node_pool.h"

#include <cassert>

NodePool::NodePool(int capacity) : m_capacity(capacity), m_block(new PathSearchNode[capacity]) {
    for (int i = capacity - 1; i >= 0; --i) {
        m_block[i].poolNext = m_free;
        m_free = &m_block[i];
    }
    m_freeCount = capacity;
}

PathSearchNode* NodePool::Allocate(uint32_t x, uint32_t y) {
    PathSearchNode* node = m_free;
    if (!node)
        return nullptr;
    m_free = node->poolNext;
    *node = PathSearchNode();
    node->x = x;
    node->y = y;
    node->poolNext = m_used;
    if (m_used)
        m_used->poolPrev = node;
    m_used = node;
    --m_freeCount;
    ++m_allocated;
    return node;
}

void NodePool::Free(PathSearchNode* node) {
    assert(node >= m_block.get() && node < m_block.get() + m_capacity);
    if (node->poolPrev)
        node->poolPrev->poolNext = node->poolNext;
    else
        m_used = node->poolNext;
    if (node->poolNext)
        node->poolNext->poolPrev = node->poolPrev;
    node->poolPrev = nullptr;
    node->poolNext = m_free;
    m_free = node;
    ++m_freeCount;
    ++m_freed;
}

void NodePool::FreeAll() {
    while (m_used)
        Free(m_used);
}
