#pragma once
// Finds a search's node for a cell by scanning its open or closed list front to back: the
// plain form the cell index stands in for, kept to check and measure the index against.

#include "Library/world/path_search_node.h"

#include <cstdint>
#include <vector>

class LinearNodeLookup {
public:
    explicit LinearNodeLookup(int /*capacity*/) {}

    PathSearchNode* FindOpen(const std::vector<PathOpenEntry>& open, uint32_t x, uint32_t y) const {
        for (const PathOpenEntry& entry : open)
            if (entry.node->IsAt(x, y))
                return entry.node;
        return nullptr;
    }
    PathSearchNode* FindClosed(const std::vector<PathSearchNode*>& closed, uint32_t x,
                               uint32_t y) const {
        for (PathSearchNode* node : closed)
            if (node->IsAt(x, y))
                return node;
        return nullptr;
    }
    void Fit(int /*width*/, int /*height*/) {}
    void Add(PathSearchNode* /*node*/) {}
    void Close(PathSearchNode* /*node*/) {}
    void Remove(PathSearchNode* /*node*/) {}
    void Clear() {}
};
