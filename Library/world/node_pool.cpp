#include "Library/world/node_pool.h"

#include <cassert>

NodePool::NodePool(int capacity) : m_capacity(capacity) {
    for (uint32_t size = 0; size < static_cast<uint32_t>(capacity); size += kBlockSize)
        m_blocks.emplace_back(new PathSearchNode[kBlockSize]);
}

uint32_t NodePool::Allocate(uint32_t x, uint32_t y) {
    if (m_inUse == m_capacity)
        return kNone;
    if (m_next == m_blocks.size() * kBlockSize)
        m_blocks.emplace_back(new PathSearchNode[kBlockSize]);
    const uint32_t index = m_next++;
    PathSearchNode& node = At(index);
    node = PathSearchNode();
    node.x = x;
    node.y = y;
    ++m_inUse;
    ++m_allocated;
    return index;
}

void NodePool::Free(uint32_t index) {
    assert(index < m_next && m_inUse > 0);
    (void)index;
    --m_inUse;
    ++m_freed;
}

void NodePool::FreeAll() {
    m_freed += m_inUse;
    m_inUse = 0;
    m_next = 0;
}
