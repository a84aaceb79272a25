// The open heap against the standard heap functions on the same entries: after any run of
// pushes, pops and replacements (erase, make_heap, push_heap) both arrays hold the same
// entries in the same places, ties included.
#include "Library/world/path_open_heap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

bool Later(const PathOpenEntry& a, const PathOpenEntry& b) {
    return a.f > b.f;
}

void ExpectSameOrder(const std::vector<PathOpenEntry>& heap,
                     const std::vector<PathOpenEntry>& expected, int step) {
    ASSERT_EQ(heap.size(), expected.size()) << "step " << step;
    for (size_t i = 0; i < heap.size(); ++i)
        ASSERT_EQ(heap[i].node, expected[i].node) << "step " << step << " place " << i;
}

TEST(PathOpenHeap, OrdersEntriesAsTheStandardHeapFunctions) {
    std::mt19937 random(4471);
    for (int round = 0; round < 40; ++round) {
        PathOpenHeap heap;
        std::vector<PathOpenEntry> expected;
        uint32_t next = 0;
        // Few distinct f, so most entries tie with others.
        const unsigned spread = 2 + random() % 30;
        for (int step = 0; step < 600; ++step) {
            const unsigned action = random() % 10;
            const PathOpenEntry entry{static_cast<float>(random() % spread), next++};
            if (action < 5 || expected.empty()) {
                heap.Push(entry);
                expected.push_back(entry);
                std::push_heap(expected.begin(), expected.end(), Later);
            } else if (action < 8) {
                std::pop_heap(expected.begin(), expected.end(), Later);
                ASSERT_EQ(heap.Pop().node, expected.back().node) << "step " << step;
                expected.pop_back();
            } else {
                const uint32_t old = expected[random() % expected.size()].node;
                heap.Replace(old, entry);
                expected.erase(
                    std::find_if(expected.begin(), expected.end(),
                                 [old](const PathOpenEntry& e) { return e.node == old; }));
                std::make_heap(expected.begin(), expected.end(), Later);
                expected.push_back(entry);
                std::push_heap(expected.begin(), expected.end(), Later);
            }
            ExpectSameOrder(heap.Entries(), expected, step);
        }
    }
}

} // namespace
