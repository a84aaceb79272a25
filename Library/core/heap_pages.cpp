#include "Library/core/heap_pages.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace {

bool g_prepared;
uintptr_t g_advisedEnd; // the break up to which the heap was looked at

uintptr_t PageSize() {
    static const uintptr_t size = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    return size;
}

uintptr_t CurrentBreak() {
    return reinterpret_cast<uintptr_t>(sbrk(0));
}

} // namespace

void HeapPages::Prepare() {
    mallopt(M_TOP_PAD, static_cast<int>(kGrowthBytes));
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * kGrowthBytes));
    g_advisedEnd = CurrentBreak();
    g_prepared = true;
}

size_t HeapPages::AdviseGrowth() {
#ifdef MADV_HUGEPAGE
    if (!g_prepared)
        Prepare();
    const uintptr_t end = CurrentBreak();
    if (end <= g_advisedEnd) {
        g_advisedEnd = end; // shrunk: what grows back is new
        return 0;
    }
    const uintptr_t page = PageSize();
    const uintptr_t from = (g_advisedEnd + page - 1) & ~(page - 1);
    const uintptr_t to = end & ~(page - 1);
    g_advisedEnd = end;
    if (to <= from || madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE) != 0)
        return 0;
    return to - from;
#else
    return 0;
#endif
}
