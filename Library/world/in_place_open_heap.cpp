#include "Library/world/in_place_open_heap.h"

#include <algorithm>

void InPlaceOpenHeap::Replace(uint32_t node, PathOpenEntry entry) {
    const auto place =
        std::find_if(m_entries.begin(), m_entries.end(),
                     [node](const PathOpenEntry& held) { return held.node == node; });
    SiftUp(static_cast<std::size_t>(place - m_entries.begin()), entry);
}
