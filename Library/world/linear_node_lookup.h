#pragma once
// Finds a search's node for a cell by scanning its open or closed list front to back: the
// plain form the cell index stands in for, kept to check and measure the index against.

#include "Library/world/path_search_node.h"

#include <cstdint>
#include <vector>

class LinearNodeLookup {
public:
    explicit LinearNodeLookup(int /*capacity*/) {}

    PathSearchNode* FindOpen(const std::vector<PathSearchNode*>& open, uint32_t x,
                             uint32_t y) const {
        return Scan(open, x, y);
    }
    PathSearchNode* FindClosed(const std::vector<PathSearchNode*>& closed, uint32_t x,
                               uint32_t y) const {
        return Scan(closed, x, y);
    }
    void Add(PathSearchNode* /*node*/) {}
    void Remove(PathSearchNode* /*node*/) {}
    void Clear() {}

private:
    static PathSearchNode* Scan(const std::vector<PathSearchNode*>& list, uint32_t x, uint32_t y) {
        for (PathSearchNode* node : list)
            if (node->IsAt(x, y))
                return node;
        return nullptr;
    }
};
