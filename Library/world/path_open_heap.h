#pragma once
// A search's open list: a binary heap on f over an array of small entries, smallest f on
// top, ordered step for step as the standard library's heap functions order it, so equal
// f come off in the same order as there. A pushed entry rises only past larger f.

#include <cstdint>
#include <vector>

// A node of the search's pool by its index, with its f beside it so ordering reads no node.
struct PathOpenEntry {
    float f;
    uint32_t node;
};

class PathOpenHeap {
public:
    void Reserve(int count) { m_entries.reserve(static_cast<std::size_t>(count)); }
    bool Empty() const { return m_entries.empty(); }
    void Clear() { m_entries.clear(); }
    const std::vector<PathOpenEntry>& Entries() const { return m_entries; }

    void Push(PathOpenEntry entry);
    PathOpenEntry Pop(); // the top; the heap is not empty
    // The node's entry leaves with the others kept in their order, the heap is rebuilt over
    // them and entry is pushed: what erase, make_heap and push_heap give, without a pass
    // that moves entries the rebuild would leave where they are.
    void Replace(uint32_t node, PathOpenEntry entry);

protected:
    // The entry at hole rises while its parent's f is larger.
    void SiftUp(std::size_t hole, PathOpenEntry entry);
    // The hole sinks along the smaller children (the right one of two equal) past every f
    // not above the entry's: where the standard library's adjustment leaves it.
    void SiftDown(std::size_t hole, std::size_t size, PathOpenEntry entry);
    void Rebuild();

    std::vector<PathOpenEntry> m_entries;
};
