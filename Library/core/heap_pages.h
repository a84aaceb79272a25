#pragma once
// Asks the kernel to back the heap's growth with huge pages. A crowd's creatures are
// thousands of small blocks spread over tens of megabytes; with 4 KB pages a frame over
// them misses the TLB at nearly every block, with 2 MB pages it almost never does.
// Nothing changes where it cannot be had: another allocator in front of malloc (the
// sanitizers'), no huge pages in the kernel, or a failed call.

#include <cstddef>

class HeapPages {
public:
    // The heap is grown this far ahead of what it holds, so that most of each growth is
    // advised before anything in it is touched.
    static constexpr size_t kGrowthBytes = size_t{32} << 20;

    // Once, before the heap grows much: sets the growth and keeps the heap from shrinking
    // back and forth at its top.
    static void Prepare();
    // After an allocation: advises whatever the heap grew by since the last call. Cheap
    // when it did not grow. Returns the bytes newly advised.
    static size_t AdviseGrowth();
};
