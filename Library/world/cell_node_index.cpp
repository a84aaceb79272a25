#include "Library/world/cell_node_index.h"

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
    m_slots.assign(static_cast<std::size_t>(m_columns) * static_cast<std::size_t>(m_rows), 0);
}

// Cell -1 (4294967295 unsigned) is the ring's first column or row.
long CellNodeIndex::SlotOf(uint32_t x, uint32_t y) const {
    const uint32_t column = x + 1, row = y + 1;
    if (column >= static_cast<uint32_t>(m_columns) || row >= static_cast<uint32_t>(m_rows))
        return -1;
    return static_cast<long>(row) * m_columns + static_cast<long>(column);
}

CellNodeIndex::FarCell* CellNodeIndex::FindFar(uint32_t x, uint32_t y) {
    for (FarCell& far : m_far)
        if (far.x == x && far.y == y)
            return &far;
    return nullptr;
}

CellHold CellNodeIndex::Find(uint32_t x, uint32_t y) const {
    const long slot = SlotOf(x, y);
    if (slot >= 0) {
        const uint32_t held = m_slots[slot];
        return CellHold{static_cast<CellHold::List>(held & ((1u << kListBits) - 1)),
                        held >> kListBits};
    }
    for (const FarCell& far : m_far)
        if (far.x == x && far.y == y)
            return far.hold;
    return CellHold{CellHold::kNoList, 0};
}

void CellNodeIndex::Add(uint32_t x, uint32_t y, uint32_t node) {
    const long slot = SlotOf(x, y);
    if (slot < 0) {
        m_far.push_back(FarCell{x, y, CellHold{CellHold::kOpenList, node}});
        return;
    }
    m_slots[slot] = node << kListBits | CellHold::kOpenList;
    m_used.push_back(slot);
}

void CellNodeIndex::Close(uint32_t x, uint32_t y) {
    const long slot = SlotOf(x, y);
    if (slot >= 0)
        m_slots[slot] = (m_slots[slot] & ~((1u << kListBits) - 1)) | CellHold::kClosedList;
    else if (FarCell* far = FindFar(x, y))
        far->hold.list = CellHold::kClosedList;
}

void CellNodeIndex::Remove(uint32_t x, uint32_t y) {
    const long slot = SlotOf(x, y);
    if (slot >= 0) {
        m_slots[slot] = 0;
    } else if (FarCell* far = FindFar(x, y)) {
        *far = m_far.back();
        m_far.pop_back();
    }
}

void CellNodeIndex::Clear() {
    for (long slot : m_used)
        m_slots[slot] = 0;
    m_used.clear();
    m_far.clear();
}
