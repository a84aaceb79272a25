#include "Library/world/node_pool.h"

#include <cassert>

NodePool::NodePool(int capacity)
    : m_capacity(capacity), m_block(new PathSearchNode[capacity]),
      m_givenBack(new uint32_t[capacity]) {}

PathSearchNode* NodePool::Allocate(uint32_t x, uint32_t y) {
    PathSearchNode* node;
    if (m_givenBackCount > 0)
        node = &m_block[m_givenBack[--m_givenBackCount]];
    else if (m_fresh < m_capacity)
        node = &m_block[m_fresh++];
    else
        return nullptr;
    *node = PathSearchNode();
    node->x = x;
    node->y = y;
    ++m_allocated;
    return node;
}

void NodePool::Free(PathSearchNode* node) {
    assert(node >= m_block.get() && node < m_block.get() + m_fresh);
    assert(m_givenBackCount < m_fresh);
    m_givenBack[m_givenBackCount++] = IndexOf(node);
    ++m_freed;
}

void NodePool::FreeAll() {
    m_freed += m_fresh - m_givenBackCount;
    m_fresh = 0;
    m_givenBackCount = 0;
}
