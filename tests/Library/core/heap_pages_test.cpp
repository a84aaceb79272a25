#include "Library/core/heap_pages.h"

#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

namespace {

// The kernel's flags ("VmFlags:" of /proc/self/smaps) of the mapping holding address.
std::string FlagsOfMappingAt(uintptr_t address) {
    std::ifstream smaps("/proc/self/smaps");
    std::string line;
    bool inside = false;
    while (std::getline(smaps, line)) {
        uintptr_t from = 0, to = 0;
        char dash = 0;
        std::istringstream range(line);
        if (range >> std::hex >> from >> dash >> to && dash == '-') {
            inside = address >= from && address < to;
        } else if (inside && line.rfind("VmFlags:", 0) == 0) {
            return line;
        }
    }
    return "";
}

bool IsAdvised(uintptr_t address) {
    return FlagsOfMappingAt(address).find(" hg") != std::string::npos;
}

#ifdef MADV_HUGEPAGE
bool KernelTakesHugePageAdvice() {
    const size_t bytes = size_t{4} << 20;
    void* scratch = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (scratch == MAP_FAILED)
        return false;
    const bool taken = madvise(scratch, bytes, MADV_HUGEPAGE) == 0;
    munmap(scratch, bytes);
    return taken;
}
#endif

} // namespace

// The heap's break is moved here by hand, as malloc moves it when it grows (the sanitizers'
// allocator never does). The grown range is kept: giving it back could cut into blocks
// malloc made meanwhile.
TEST(HeapPages, WhatTheHeapGrewByIsAdvisedOnceInWholePages) {
#ifndef MADV_HUGEPAGE
    GTEST_SKIP() << "no huge pages on this system";
#else
    if (!KernelTakesHugePageAdvice())
        GTEST_SKIP() << "the kernel refuses huge page advice here";
    const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    HeapPages::AdviseGrowth(); // whatever came before this test
    const uintptr_t start = reinterpret_cast<uintptr_t>(sbrk(0));
    constexpr intptr_t kGrowth = intptr_t{8} << 20;
    ASSERT_NE(sbrk(kGrowth), reinterpret_cast<void*>(-1));
    const size_t advised = HeapPages::AdviseGrowth();
    // Whole pages only, from the first page boundary at or after the old break.
    const uintptr_t first = (start + page - 1) & ~(page - 1);
    const uintptr_t end = (start + kGrowth) & ~(page - 1);
    EXPECT_EQ(advised, end - first);
    EXPECT_TRUE(IsAdvised(first));
    EXPECT_TRUE(IsAdvised(end - 1));
    EXPECT_EQ(HeapPages::AdviseGrowth(), 0u) << "nothing grew since";
#endif
}
