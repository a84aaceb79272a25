#include "Library/world/linear_node_lookup.h"

#include <cstddef>

LinearNodeLookup::LinearNodeLookup(int capacity) {
    m_open.reserve(static_cast<std::size_t>(capacity));
    m_closed.reserve(static_cast<std::size_t>(capacity));
}

long LinearNodeLookup::Scan(const std::vector<HeldCell>& list, uint32_t x, uint32_t y) {
    for (std::size_t place = 0; place < list.size(); ++place)
        if (list[place].x == x && list[place].y == y)
            return static_cast<long>(place);
    return -1;
}

// The order of either list decides nothing: a cell is held once at most.
LinearNodeLookup::HeldCell LinearNodeLookup::Take(std::vector<HeldCell>& list, long place) {
    const HeldCell held = list[static_cast<std::size_t>(place)];
    list[static_cast<std::size_t>(place)] = list.back();
    list.pop_back();
    return held;
}

CellHold LinearNodeLookup::Find(uint32_t x, uint32_t y) const {
    if (const long open = Scan(m_open, x, y); open >= 0)
        return CellHold{CellHold::kOpenList, m_open[static_cast<std::size_t>(open)].node};
    if (const long closed = Scan(m_closed, x, y); closed >= 0)
        return CellHold{CellHold::kClosedList, m_closed[static_cast<std::size_t>(closed)].node};
    return CellHold{CellHold::kNoList, 0};
}

void LinearNodeLookup::Add(uint32_t x, uint32_t y, uint32_t node) {
    m_open.push_back(HeldCell{x, y, node});
}

void LinearNodeLookup::Close(uint32_t x, uint32_t y) {
    if (const long open = Scan(m_open, x, y); open >= 0)
        m_closed.push_back(Take(m_open, open));
}

void LinearNodeLookup::Remove(uint32_t x, uint32_t y) {
    if (const long open = Scan(m_open, x, y); open >= 0)
        Take(m_open, open);
    else if (const long closed = Scan(m_closed, x, y); closed >= 0)
        Take(m_closed, closed);
}

void LinearNodeLookup::Clear() {
    m_open.clear();
    m_closed.clear();
}
