#include "Library/world/path_search_node.h"

#include <cstdio>

void PathSearchNode::PrintNodeInfo() const {
    std::printf("Node position : (%d,%d)\n", static_cast<int>(x), static_cast<int>(y));
}
