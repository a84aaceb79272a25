#pragma once
// The open heap as the search kept it before it rebuilt the heap on a cheaper path: the
// cheaper node takes the old one's place and rises from there. Equal f may come off in
// another order, so paths may differ; kept to measure the rebuilding heap against.

#include "Library/world/path_open_heap.h"

class InPlaceOpenHeap : public PathOpenHeap {
public:
    void Replace(uint32_t node, PathOpenEntry entry);
};
