#include "Library/world/cell_node_index.h"

#include <algorithm>
#include <cstddef>

CellNodeIndex::CellNodeIndex(int capacity) {
    m_used.reserve(static_cast<std::size_t>(capacity) * 4);
}

// A map too large to give every cell a slot (beyond 2048 x 2048) keeps all its nodes in
// the scanned list: slow, but no memory is asked for that may not be there.
void CellNodeIndex::Fit(int width, int height) {
    constexpr long kMostSlots = 2050L * 2050L;
    Clear();
    const long columns = width + 2L, rows = height + 2L;
    const bool fits = columns * rows <= kMostSlots;
    if ((fits ? columns : 0) == m_columns && (fits ? rows : 0) == m_rows)
        return;
    m_columns = fits ? static_cast<int>(columns) : 0;
    m_rows = fits ? static_cast<int>(rows) : 0;
    const auto slots = static_cast<std::size_t>(m_columns) * static_cast<std::size_t>(m_rows);
    m_nodes.assign(slots, nullptr);
    m_lists.assign(slots, PathSearchNode::kNoList);
}

// Cell -1 (4294967295 unsigned) is the ring's first column or row.
long CellNodeIndex::SlotOf(uint32_t x, uint32_t y) const {
    const uint32_t column = x + 1, row = y + 1;
    if (column >= static_cast<uint32_t>(m_columns) || row >= static_cast<uint32_t>(m_rows))
        return -1;
    return static_cast<long>(row) * m_columns + static_cast<long>(column);
}

PathSearchNode* CellNodeIndex::FindIn(PathSearchNode::List list, uint32_t x, uint32_t y) const {
    const long slot = SlotOf(x, y);
    if (slot >= 0)
        return m_lists[slot] == list ? m_nodes[slot] : nullptr;
    for (PathSearchNode* node : m_far)
        if (node->IsAt(x, y))
            return node->list == list ? node : nullptr;
    return nullptr;
}

void CellNodeIndex::SetList(PathSearchNode* node, PathSearchNode::List list) {
    const long slot = SlotOf(node->x, node->y);
    if (slot < 0)
        return; // a far node's list is read from the node
    m_lists[slot] = list;
    m_nodes[slot] = node;
}

void CellNodeIndex::Add(PathSearchNode* node) {
    const long slot = SlotOf(node->x, node->y);
    if (slot < 0) {
        m_far.push_back(node);
        return;
    }
    SetList(node, PathSearchNode::kOpenList);
    m_used.push_back(slot);
}

void CellNodeIndex::Close(PathSearchNode* node) {
    SetList(node, PathSearchNode::kClosedList);
}

void CellNodeIndex::Remove(PathSearchNode* node) {
    if (SlotOf(node->x, node->y) >= 0)
        SetList(node, PathSearchNode::kNoList);
    else
        m_far.erase(std::find(m_far.begin(), m_far.end(), node));
}

void CellNodeIndex::Clear() {
    for (long slot : m_used)
        m_lists[slot] = PathSearchNode::kNoList;
    m_used.clear();
    m_far.clear();
}
