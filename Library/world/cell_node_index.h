#pragma once
// Finds the node a search holds for a cell in constant time: a slot per cell of the map and
// of the ring just outside it, with the list the node lies in, emptied between searches
// slot by slot used. The rare cells farther out, which only a search crossing the ring
// reaches, are kept in a short list that is scanned. A search holds at most one node per
// cell in its open and closed lists together, so the node found is the one a scan of
// either list would find.

#include "Library/world/path_search_node.h"

#include <cstdint>
#include <vector>

class CellNodeIndex {
public:
    explicit CellNodeIndex(int capacity); // the most nodes held at once

    void Fit(int width, int height); // to the map of the next search; empties the index
    // The node of the cell when it lies in that list, else null. The lists themselves are
    // not read.
    PathSearchNode* FindOpen(const std::vector<PathOpenEntry>& /*open*/, uint32_t x,
                             uint32_t y) const {
        return FindIn(PathSearchNode::kOpenList, x, y);
    }
    PathSearchNode* FindClosed(const std::vector<PathSearchNode*>& /*closed*/, uint32_t x,
                               uint32_t y) const {
        return FindIn(PathSearchNode::kClosedList, x, y);
    }

    void Add(PathSearchNode* node);    // into the open list; its cell holds no node yet
    void Close(PathSearchNode* node);  // from the open list into the closed one
    void Remove(PathSearchNode* node); // from either list
    void Clear();

private:
    long SlotOf(uint32_t x, uint32_t y) const; // -1 beyond the ring
    PathSearchNode* FindIn(PathSearchNode::List list, uint32_t x, uint32_t y) const;
    void SetList(PathSearchNode* node, PathSearchNode::List list);

    int m_columns = 0; // the map's width and height and the ring on either side
    int m_rows = 0;
    std::vector<PathSearchNode*> m_nodes;
    std::vector<uint8_t> m_lists; // PathSearchNode::List of each slot's node
    std::vector<long> m_used;     // every slot filled since the last clear
    std::vector<PathSearchNode*> m_far;
};
