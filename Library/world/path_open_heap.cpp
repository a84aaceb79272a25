#include "Library/world/path_open_heap.h"

#include <algorithm>

void PathOpenHeap::Push(PathOpenEntry entry) {
    m_entries.push_back(entry);
    SiftUp(m_entries.size() - 1, entry);
}

PathOpenEntry PathOpenHeap::Pop() {
    const PathOpenEntry top = m_entries.front();
    const PathOpenEntry last = m_entries.back();
    m_entries.pop_back();
    if (m_entries.empty())
        return top;
    // The last entry mostly belongs near the bottom: sink the hole all the way along the
    // smaller children first, then let the entry rise, as the standard library does.
    const std::size_t size = m_entries.size();
    std::size_t hole = 0;
    for (std::size_t child = 2; child < size; child = 2 * hole + 2) {
        if (m_entries[child].f > m_entries[child - 1].f)
            --child;
        m_entries[hole] = m_entries[child];
        hole = child;
    }
    if (2 * hole + 1 < size) {
        m_entries[hole] = m_entries[2 * hole + 1];
        hole = 2 * hole + 1;
    }
    SiftUp(hole, last);
    return top;
}

void PathOpenHeap::Replace(uint32_t node, PathOpenEntry entry) {
    m_entries.erase(std::find_if(m_entries.begin(), m_entries.end(),
                                 [node](const PathOpenEntry& held) { return held.node == node; }));
    Rebuild();
    Push(entry);
}

void PathOpenHeap::SiftUp(std::size_t hole, PathOpenEntry entry) {
    while (hole > 0) {
        const std::size_t parent = (hole - 1) / 2;
        if (!(m_entries[parent].f > entry.f))
            break;
        m_entries[hole] = m_entries[parent];
        hole = parent;
    }
    m_entries[hole] = entry;
}

// The standard library sinks the hole to a leaf and lets the entry rise back; over heaps
// below the hole the children it passes only grow, so stopping where the next one is larger
// than the entry leaves everything where that would.
void PathOpenHeap::SiftDown(std::size_t hole, std::size_t size, PathOpenEntry entry) {
    for (;;) {
        std::size_t child = 2 * hole + 1;
        if (child >= size)
            break;
        if (child + 1 < size && !(m_entries[child + 1].f > m_entries[child].f))
            ++child;
        if (m_entries[child].f > entry.f)
            break;
        m_entries[hole] = m_entries[child];
        hole = child;
    }
    m_entries[hole] = entry;
}

// Bottom up, each parent adjusted over its children's heaps. An entry already below its
// smaller child stays, so only entries that tie with or exceed a child are moved.
void PathOpenHeap::Rebuild() {
    const std::size_t size = m_entries.size();
    if (size < 2)
        return;
    for (std::size_t parent = (size - 2) / 2 + 1; parent-- > 0;) {
        const std::size_t left = 2 * parent + 1;
        const float smaller = left + 1 < size ? std::min(m_entries[left].f, m_entries[left + 1].f)
                                              : m_entries[left].f;
        if (m_entries[parent].f < smaller)
            continue;
        SiftDown(parent, size, m_entries[parent]);
    }
}
