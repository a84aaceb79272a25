#include "Library/world/cell_node_index.h"

#include <cassert>

namespace {

// A table at most a quarter full keeps the probe chains short.
uint32_t TableSize(int capacity) {
    uint32_t size = 16;
    while (size < static_cast<uint32_t>(capacity) * 4)
        size *= 2;
    return size;
}

} // namespace

CellNodeIndex::CellNodeIndex(int capacity)
    : m_slots(TableSize(capacity), Slot{nullptr, 0}), m_mask(TableSize(capacity) - 1) {}

uint32_t CellNodeIndex::Home(uint32_t x, uint32_t y) const {
    uint32_t hash = x * 0x9E3779B1u ^ y * 0x85EBCA77u;
    hash ^= hash >> 15;
    return hash & m_mask;
}

PathSearchNode* CellNodeIndex::FindIn(PathSearchNode::List list, uint32_t x, uint32_t y) const {
    for (uint32_t slot = Home(x, y); IsFull(slot); slot = (slot + 1) & m_mask) {
        PathSearchNode* node = m_slots[slot].node;
        if (node->IsAt(x, y))
            return node->list == list ? node : nullptr;
    }
    return nullptr;
}

void CellNodeIndex::Add(PathSearchNode* node) {
    uint32_t slot = Home(node->x, node->y);
    while (IsFull(slot)) {
        assert(!m_slots[slot].node->IsAt(node->x, node->y));
        slot = (slot + 1) & m_mask;
    }
    m_slots[slot] = Slot{node, m_generation};
}

// Backward-shift deletion: the entries after the hole that may move into it do, so every
// entry stays reachable from its home slot without tombstones.
void CellNodeIndex::Remove(PathSearchNode* node) {
    uint32_t hole = Home(node->x, node->y);
    while (m_slots[hole].node != node || !IsFull(hole)) {
        assert(IsFull(hole));
        hole = (hole + 1) & m_mask;
    }
    for (uint32_t next = (hole + 1) & m_mask; IsFull(next); next = (next + 1) & m_mask) {
        const uint32_t home = Home(m_slots[next].node->x, m_slots[next].node->y);
        // Distance from home to next, and from home to the hole, along the probe direction.
        if (((hole - home) & m_mask) < ((next - home) & m_mask)) {
            m_slots[hole] = m_slots[next];
            hole = next;
        }
    }
    m_slots[hole].generation = m_generation - 1;
}

void CellNodeIndex::Clear() {
    if (++m_generation == 0) { // after four billion searches every slot is wiped once
        for (Slot& slot : m_slots)
            slot = Slot{nullptr, 0};
        m_generation = 1;
    }
}
