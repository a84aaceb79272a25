#include "Library/core/mem_tracker.h"

#include "Library/core/heap_pages.h"

#include "platform/win_rand.h"

#include <algorithm>
#include <cinttypes>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <mutex>
#include <new>

#if defined(__has_include)
#if __has_include(<sanitizer/asan_interface.h>)
#include <sanitizer/asan_interface.h>
#endif
#endif
#ifndef ASAN_POISON_MEMORY_REGION
#define ASAN_POISON_MEMORY_REGION(addr, size) ((void)(addr), (void)(size))
#define ASAN_UNPOISON_MEMORY_REGION(addr, size) ((void)(addr), (void)(size))
#endif

// Every piece of state is constant-initialised: operator new runs before any dynamic
// initialiser of this file and after every destructor.
namespace {

constexpr uint32_t kPrefixPattern = 0xBAADF00D;
constexpr uint32_t kPostfixPattern = 0xDEADC0DE;
constexpr uint32_t kFreshPattern = 0xFEEDFACE;
constexpr uint32_t kReleasedPattern = 0xDEADBEEF;
constexpr size_t kGuardBytes = 16;
constexpr size_t kMaxRequest = SIZE_MAX - 2 * kGuardBytes;
constexpr size_t kUnitsPerBlock = 256;
constexpr size_t kInitialHashSize = 4096; // doubled whenever the live blocks outnumber it
constexpr size_t kNameSize = 40;
constexpr int kReportWidth = 130;
constexpr const char* kLogFile = "memory.log";
constexpr const char* kLeakFile = "memleaks.log";

constexpr const char* kNoTrackingMemory =
    "Unable to allocate RAM for internal memory tracking data";
constexpr const char* kAllocationFailed = "Request for allocation failed. Out of memory.";
constexpr const char* kReallocationFailed = "Request for reallocation failed. Out of memory.";
constexpr const char* kUnknownDeallocation = "Request to deallocate RAM that was never allocated";
constexpr const char* kUnknownReallocation = "Request to reallocate RAM that was never allocated";

struct OwnerName {
    char m_file[kNameSize]; // file part of the path
    char m_function[kNameSize];
    unsigned m_line;
};

struct MemAllocUnit {
    size_t m_actualSize; // reported size plus both guards
    size_t m_reportedSize;
    uintptr_t m_actualKey; // the actual address, concealed (see Conceal)
    OwnerName m_owner;
    MemAllocType m_type;
    bool m_beforeStartUp;
    bool m_breakOnDealloc;
    bool m_breakOnRealloc;
    size_t m_allocNumber;
    MemAllocUnit* m_next; // also the free-list link
    MemAllocUnit* m_prev;
};

MemAllocUnit* g_initialHashTable[kInitialHashSize];
// Kept at no more live blocks than buckets, so that finding a block costs the same however
// many a game holds; the first table is static, the tracker's own records must not need it.
MemAllocUnit** g_memHashTable = g_initialHashTable;
size_t g_hashSize = kInitialHashSize;
MemAllocUnit* g_freeList;
MemAllocUnit** g_unitBlocks; // every block of units, so they can be freed
size_t g_unitBlockCount;
size_t g_unitBlockCapacity;
MemStats g_stats;
// Blocks made before the start-up object ran belong to shared libraries' initialisers:
// tracked like any other, but not the program's leaks.
bool g_startedUp;
size_t g_startUpUnitCount; // live blocks among them
bool g_shuttingDown;
std::mutex g_mutex; // the game is single-threaded, but gtest, SDL and the runtime may not be

bool g_alwaysValidateAll = false;
bool g_alwaysLogAll = false;
bool g_alwaysWipeAll = true;
bool g_randomWipe = false;
bool g_cleanupLogOnFirstRun = true;
bool g_scratchBreakFlag;

thread_local const char* g_ownerPath;
thread_local unsigned g_ownerLine;
thread_local const char* g_ownerFunction;

void MemResetOwner() {
    g_ownerPath = nullptr;
    g_ownerLine = 0;
    g_ownerFunction = nullptr;
}

// Each tracked call consumes the owner, whichever way it leaves.
struct ScopedOwnerReset {
    ~ScopedOwnerReset() { MemResetOwner(); }
};

class BadAllocation : public std::bad_alloc {
public:
    const char* what() const noexcept override { return "bad allocation"; }
};

// Addresses are stored inverted so that LeakSanitizer does not take the tracker's own
// records for references and still reports the blocks that leak.
uintptr_t Conceal(const void* address) {
    return ~reinterpret_cast<uintptr_t>(address);
}
unsigned char* ActualAddress(const MemAllocUnit& unit) {
    return reinterpret_cast<unsigned char*>(~unit.m_actualKey);
}
unsigned char* ReportedAddress(const MemAllocUnit& unit) {
    return ActualAddress(unit) + kGuardBytes;
}
bool InUse(const MemAllocUnit& unit) {
    return unit.m_actualKey != 0;
}
uintptr_t AddressValue(const void* address) {
    return reinterpret_cast<uintptr_t>(address);
}

size_t BucketOf(const void* reported) {
    return (AddressValue(reported) >> 4) & (g_hashSize - 1);
}

void CopyName(char (&target)[kNameSize], const char* text) {
    const char* name = text && *text ? text : "??";
    const size_t length = strnlen(name, kNameSize - 1);
    memcpy(target, name, length);
    target[length] = '\0';
}

OwnerName MakeOwnerName(const char* path, unsigned line, const char* function) {
    OwnerName owner;
    const char* filePart = path;
    for (const char* c = path; c && *c; ++c) {
        if (*c == '/' || *c == '\\') {
            filePart = c + 1;
        }
    }
    CopyName(owner.m_file, filePart);
    CopyName(owner.m_function, function);
    owner.m_line = line;
    return owner;
}

template <size_t N> struct Text { char m_text[N]; };

Text<96> MemOwnerString(const OwnerName& owner) {
    Text<96> text;
    snprintf(text.m_text, sizeof text.m_text, "%s(%05u)::%s", owner.m_file, owner.m_line,
             owner.m_function);
    return text;
}

Text<32> GroupDigits(size_t value) {
    char digits[24];
    const int count = snprintf(digits, sizeof digits, "%zu", value);
    Text<32> text;
    char* out = text.m_text;
    for (int i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) {
            *out++ = ',';
        }
        *out++ = digits[i];
    }
    *out = '\0';
    return text;
}

Text<64> MemFormatSize(size_t size) {
    Text<64> text;
    const Text<32> grouped = GroupDigits(size);
    const char* digits = grouped.m_text;
    if (size > 1048576) {
        snprintf(text.m_text, sizeof text.m_text, "%10s (%7.2fM)", digits, size / 1048576.0);
    } else if (size < 1025) {
        snprintf(text.m_text, sizeof text.m_text, "%10s bytes     ", digits);
    } else {
        snprintf(text.m_text, sizeof text.m_text, "%10s (%7.2fK)", digits, size / 1024.0);
    }
    return text;
}

void WriteLineV(FILE* file, const char* format, va_list args) {
    char line[1024];
    vsnprintf(line, sizeof line, format, args);
    fprintf(file, "%s\r\n", line);
}

__attribute__((format(printf, 2, 3))) void WriteLine(FILE* file, const char* format, ...) {
    va_list args;
    va_start(args, format);
    WriteLineV(file, format, args);
    va_end(args);
}

void CleanupLogOnce() {
    if (g_cleanupLogOnFirstRun) {
        remove(kLogFile);
        g_cleanupLogOnFirstRun = false;
    }
}

__attribute__((format(printf, 1, 2))) void MemLog(const char* format, ...) {
    CleanupLogOnce();
    FILE* file = fopen(kLogFile, "ab");
    if (!file) {
        return;
    }
    va_list args;
    va_start(args, format);
    WriteLineV(file, format, args);
    va_end(args);
    fclose(file);
}

// Writes the pattern's bytes least significant first, repeating, over length bytes.
void FillPattern(unsigned char* target, size_t length, uint32_t word) {
    unsigned char bytes[8];
    for (size_t i = 0; i < sizeof bytes; ++i) {
        bytes[i] = static_cast<unsigned char>(word >> (i % 4 * 8));
    }
    size_t offset = 0;
    for (; offset + sizeof bytes <= length; offset += sizeof bytes) {
        memcpy(target + offset, bytes, sizeof bytes);
    }
    memcpy(target + offset, bytes, length - offset);
}

// Whether length bytes (at most a guard's worth) hold the pattern as FillPattern writes it.
bool HoldsPattern(const unsigned char* source, size_t length, uint32_t word) {
    unsigned char expected[kGuardBytes];
    FillPattern(expected, length, word);
    return memcmp(source, expected, length) == 0;
}

uint32_t RandomWord() {
    const auto part = [] { return static_cast<uint32_t>(platform::Rand()); };
    return (part() << 17) ^ (part() << 2) ^ part();
}

// Under AddressSanitizer the guards are poisoned, so stray accesses into them are caught
// at once; the tracker exposes them while it reads or writes them itself.
void HideGuards(const MemAllocUnit& unit) {
    ASAN_POISON_MEMORY_REGION(ActualAddress(unit), kGuardBytes);
    ASAN_POISON_MEMORY_REGION(ReportedAddress(unit) + unit.m_reportedSize, kGuardBytes);
}

void ExposeGuards(const MemAllocUnit& unit) {
    ASAN_UNPOISON_MEMORY_REGION(ActualAddress(unit), kGuardBytes);
    ASAN_UNPOISON_MEMORY_REGION(ReportedAddress(unit) + unit.m_reportedSize, kGuardBytes);
}

void WriteGuards(const MemAllocUnit& unit) {
    FillPattern(ActualAddress(unit), kGuardBytes, kPrefixPattern);
    FillPattern(ReportedAddress(unit) + unit.m_reportedSize, kGuardBytes, kPostfixPattern);
    HideGuards(unit);
}

// Bytes of the block that still hold the fresh fill, counted word by word.
size_t MemCountUnused(const MemAllocUnit& unit) {
    const unsigned char* block = ReportedAddress(unit);
    size_t unused = 0;
    for (size_t offset = 0; offset < unit.m_reportedSize; offset += 4) {
        const size_t length = unit.m_reportedSize - offset < 4 ? unit.m_reportedSize - offset : 4;
        if (HoldsPattern(block + offset, length, kFreshPattern)) {
            unused += length;
        }
    }
    return unused;
}

void MemDumpUnit(const MemAllocUnit& unit, const char* indent) {
    MemLog("%sAddress (reported): 0x%08" PRIXPTR, indent, AddressValue(ReportedAddress(unit)));
    MemLog("%sAddress (actual)  : 0x%08" PRIXPTR, indent, AddressValue(ActualAddress(unit)));
    MemLog("%sSize (reported)   : 0x%08zX (%s)", indent, unit.m_reportedSize,
           MemFormatSize(unit.m_reportedSize).m_text);
    MemLog("%sSize (actual)     : 0x%08zX (%s)", indent, unit.m_actualSize,
           MemFormatSize(unit.m_actualSize).m_text);
    MemLog("%sOwner             : %s(%u)::%s", indent, unit.m_owner.m_file, unit.m_owner.m_line,
           unit.m_owner.m_function);
    MemLog("%sAllocation type   : %s", indent, MemAllocTypeName(unit.m_type));
    MemLog("%sAllocation number : %zu", indent, unit.m_allocNumber);
}

bool MemValidateUnit(const MemAllocUnit& unit) {
    ExposeGuards(unit);
    const bool prefixIntact = HoldsPattern(ActualAddress(unit), kGuardBytes, kPrefixPattern);
    const bool postfixIntact =
        HoldsPattern(ReportedAddress(unit) + unit.m_reportedSize, kGuardBytes, kPostfixPattern);
    HideGuards(unit);
    if (!prefixIntact) {
        MemLog("A memory allocation unit was corrupt because of an underrun:");
        MemDumpUnit(unit, "  ");
    }
    if (!postfixIntact) {
        MemLog("A memory allocation unit was corrupt because of an overrun:");
        MemDumpUnit(unit, "  ");
    }
    return prefixIntact && postfixIntact;
}

// Every live unit, bucket by bucket.
template <class Visit> void ForEachUnit(Visit visit) {
    for (size_t bucket = 0; bucket < g_hashSize; ++bucket) {
        for (const MemAllocUnit* unit = g_memHashTable[bucket]; unit; unit = unit->m_next) {
            visit(*unit);
        }
    }
}

bool ValidateAllLocked() {
    size_t found = 0;
    size_t problems = 0;
    ForEachUnit([&](const MemAllocUnit& unit) {
        ++found;
        if (!MemValidateUnit(unit)) {
            ++problems;
        }
    });
    if (found != g_stats.m_totalAllocUnitCount) {
        MemLog("Memory tracking hash table corrupt!");
        ++problems;
    }
    if (problems != 0) {
        MemLog("While validting all allocation units, %zu allocation unit(s) were found to have "
               "problems",
               problems);
    }
    return problems == 0;
}

bool GrowFreeList() {
    if (g_unitBlockCount == g_unitBlockCapacity) {
        const size_t capacity = g_unitBlockCapacity ? g_unitBlockCapacity * 2 : 16;
        void* blocks = realloc(g_unitBlocks, capacity * sizeof *g_unitBlocks);
        if (!blocks) {
            return false;
        }
        g_unitBlocks = static_cast<MemAllocUnit**>(blocks);
        g_unitBlockCapacity = capacity;
    }
    auto* block = static_cast<MemAllocUnit*>(calloc(kUnitsPerBlock, sizeof(MemAllocUnit)));
    if (!block) {
        return false;
    }
    for (size_t i = 0; i < kUnitsPerBlock; ++i) {
        block[i].m_next = i + 1 < kUnitsPerBlock ? &block[i + 1] : g_freeList;
    }
    g_freeList = block;
    g_unitBlocks[g_unitBlockCount++] = block;
    return true;
}

// Frees every block of units that has none in use and rebuilds the free list from the rest.
void ReleaseIdleUnitBlocks() {
    g_freeList = nullptr;
    size_t kept = 0;
    for (size_t i = 0; i < g_unitBlockCount; ++i) {
        MemAllocUnit* block = g_unitBlocks[i];
        if (std::none_of(block, block + kUnitsPerBlock, InUse)) {
            free(block);
            continue;
        }
        for (MemAllocUnit* unit = block; unit != block + kUnitsPerBlock; ++unit) {
            if (!InUse(*unit)) {
                unit->m_next = g_freeList;
                g_freeList = unit;
            }
        }
        g_unitBlocks[kept++] = block;
    }
    g_unitBlockCount = kept;
    if (kept == 0) {
        free(g_unitBlocks);
        g_unitBlocks = nullptr;
        g_unitBlockCapacity = 0;
    }
}

MemAllocUnit* FindUnit(const void* reported) {
    for (MemAllocUnit* unit = g_memHashTable[BucketOf(reported)]; unit; unit = unit->m_next) {
        if (ReportedAddress(*unit) == reported) {
            return unit;
        }
    }
    return nullptr;
}

void LinkFirst(MemAllocUnit* unit) {
    MemAllocUnit*& head = g_memHashTable[BucketOf(ReportedAddress(*unit))];
    unit->m_prev = nullptr;
    unit->m_next = head;
    if (head) {
        head->m_prev = unit;
    }
    head = unit;
}

// Without memory for a bigger table the chains just grow longer.
void GrowHashTable() {
    const size_t oldSize = g_hashSize;
    auto* table = static_cast<MemAllocUnit**>(calloc(oldSize * 2, sizeof(MemAllocUnit*)));
    if (!table) {
        return;
    }
    MemAllocUnit** const old = g_memHashTable;
    g_memHashTable = table;
    g_hashSize = oldSize * 2;
    for (size_t bucket = 0; bucket < oldSize; ++bucket) {
        for (MemAllocUnit* unit = old[bucket]; unit;) {
            MemAllocUnit* const next = unit->m_next;
            LinkFirst(unit);
            unit = next;
        }
    }
    if (old != g_initialHashTable) {
        free(old);
    }
}

void LinkUnit(MemAllocUnit* unit) {
    if (g_stats.m_totalAllocUnitCount >= g_hashSize) {
        GrowHashTable();
    }
    LinkFirst(unit);
}

void UnlinkUnit(MemAllocUnit* unit) {
    if (unit->m_prev) {
        unit->m_prev->m_next = unit->m_next;
    } else {
        g_memHashTable[BucketOf(ReportedAddress(*unit))] = unit->m_next;
    }
    if (unit->m_next) {
        unit->m_next->m_prev = unit->m_prev;
    }
}

void CountAllocation(const MemAllocUnit& unit) {
    g_startUpUnitCount += unit.m_beforeStartUp;
    MemStats& s = g_stats;
    s.m_totalReportedMemory += unit.m_reportedSize;
    s.m_totalActualMemory += unit.m_actualSize;
    s.m_totalAllocUnitCount += 1;
    s.m_accumulatedReportedMemory += unit.m_reportedSize;
    s.m_accumulatedActualMemory += unit.m_actualSize;
    s.m_accumulatedAllocUnitCount += 1;
    if (s.m_totalReportedMemory > s.m_peakReportedMemory) {
        s.m_peakReportedMemory = s.m_totalReportedMemory;
    }
    if (s.m_totalActualMemory > s.m_peakActualMemory) {
        s.m_peakActualMemory = s.m_totalActualMemory;
    }
    if (s.m_totalAllocUnitCount > s.m_peakAllocUnitCount) {
        s.m_peakAllocUnitCount = s.m_totalAllocUnitCount;
    }
}

void CountRelease(const MemAllocUnit& unit) {
    if (unit.m_beforeStartUp) {
        --g_startUpUnitCount;
    }
    g_stats.m_totalReportedMemory -= unit.m_reportedSize;
    g_stats.m_totalActualMemory -= unit.m_actualSize;
    g_stats.m_totalAllocUnitCount -= 1;
}

struct LocalTime {
    int m_month, m_day, m_year, m_hour, m_minute, m_second;
};

LocalTime Now() {
    const time_t now = time(nullptr);
    tm parts{};
    localtime_r(&now, &parts);
    return {parts.tm_mon + 1, parts.tm_mday, parts.tm_year + 1900,
            parts.tm_hour,    parts.tm_min,  parts.tm_sec};
}

// A heading boxed between two rules, its text starting leftPad characters in.
void WriteFrame(FILE* file, int leftPad, const char* text) {
    char rule[kReportWidth + 1];
    memset(rule, '-', kReportWidth);
    rule[kReportWidth] = '\0';
    WriteLine(file, " %s ", rule);
    WriteLine(file, "|%*s%-*s|", leftPad, "", kReportWidth - leftPad, text);
    WriteLine(file, " %s ", rule);
}

void WriteCentredFrame(FILE* file, const char* text) {
    WriteFrame(file, (kReportWidth - static_cast<int>(strlen(text))) / 2, text);
}

void WriteLeakTable(FILE* file) {
    WriteLine(file, "Alloc.   Addr       Size       Addr       Size                        "
                    "BreakOn BreakOn              ");
    WriteLine(file, "Number Reported   Reported    Actual     Actual     Unused    Method  "
                    "Dealloc Realloc Allocated by ");
    WriteLine(file, "------ ---------- ---------- ---------- ---------- ---------- -------- "
                    "------- ------- ---------------------------------------------------");
    ForEachUnit([file](const MemAllocUnit& unit) {
        if (unit.m_beforeStartUp) {
            return;
        }
        WriteLine(file,
                  "%06zu 0x%08" PRIXPTR " 0x%08zX 0x%08" PRIXPTR
                  " 0x%08zX 0x%08zX %-8s    %c       %c    %s",
                  unit.m_allocNumber, AddressValue(ReportedAddress(unit)), unit.m_reportedSize,
                  AddressValue(ActualAddress(unit)), unit.m_actualSize, MemCountUnused(unit),
                  MemAllocTypeName(unit.m_type), unit.m_breakOnDealloc ? 'Y' : 'N',
                  unit.m_breakOnRealloc ? 'Y' : 'N', MemOwnerString(unit.m_owner).m_text);
    });
}

void DumpLeakReportLocked() {
    FILE* file = fopen(kLeakFile, "w+b");
    if (!file) {
        return;
    }
    const LocalTime t = Now();
    char title[kReportWidth + 1];
    snprintf(title, sizeof title, "Memory leak report for:  %02d/%02d/%04d %02d:%02d:%02d",
             t.m_month, t.m_day, t.m_year, t.m_hour, t.m_minute, t.m_second);
    WriteFrame(file, 42, title);
    WriteLine(file, "%s", "");
    WriteLine(file, "%s", "");
    const size_t leaks = g_stats.m_totalAllocUnitCount - g_startUpUnitCount;
    if (leaks == 0) {
        WriteLine(file, "Congratulations! No memory leaks found!");
        ReleaseIdleUnitBlocks();
    } else {
        WriteLine(file, "%zu memory leak%s found:", leaks, leaks == 1 ? "" : "s");
    }
    WriteLine(file, "%s", "");
    if (leaks != 0) {
        WriteLeakTable(file);
    }
    fclose(file);
}

void WriteStatsSection(FILE* file, const char* title, size_t units, size_t reported,
                       size_t actual) {
    WriteLine(file, "%s", "");
    WriteCentredFrame(file, title);
    WriteLine(file, "%35s: %s", "Allocation unit count", GroupDigits(units).m_text);
    WriteLine(file, "%35s: %s", "Reported to application", MemFormatSize(reported).m_text);
    WriteLine(file, "%35s: %s", "Actual total memory in use", MemFormatSize(actual).m_text);
    WriteLine(file, "%35s: %s", "Memory tracking overhead",
              MemFormatSize(actual - reported).m_text);
}

// Gives a unit its new block (actual address and reported size) and files it.
void AssignBlock(MemAllocUnit* unit, void* actual, size_t size, const OwnerName& owner,
                 MemAllocType type, size_t number) {
    unit->m_actualSize = size + 2 * kGuardBytes;
    unit->m_reportedSize = size;
    unit->m_actualKey = Conceal(actual);
    unit->m_owner = owner;
    unit->m_type = type;
    unit->m_beforeStartUp = !g_startedUp;
    unit->m_allocNumber = number;
    LinkUnit(unit);
    CountAllocation(*unit);
}

void FinishAllocation(const unsigned char* reported) {
    if (g_alwaysValidateAll) {
        ValidateAllLocked();
    }
    if (g_alwaysLogAll) {
        MemLog("%65sOK: 0x%08" PRIXPTR " (hash: %zu)", "", AddressValue(reported),
               BucketOf(reported));
    }
}

void MemAtExit() {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_shuttingDown = true;
    DumpLeakReportLocked();
}

struct ExitHookRegistrar {
    ExitHookRegistrar() {
        {
            std::lock_guard<std::mutex> lock(g_mutex);
            CleanupLogOnce();
            g_startedUp = true;
        }
        atexit(MemAtExit);
    }
};

// Built before ordinary statics, so the exit hook runs after their destructors.
__attribute__((init_priority(101))) ExitHookRegistrar g_exitHookRegistrar;

[[noreturn]] void MemFail(const char* message) {
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        MemLog("%s", message);
    }
    fprintf(stderr, "%s\n", message);
    abort();
}

template <typename TryAllocate> void* AllocateOrThrow(TryAllocate tryAllocate) {
    for (;;) {
        if (void* address = tryAllocate()) {
            return address;
        }
        const std::new_handler handler = std::get_new_handler();
        if (!handler) {
            throw BadAllocation();
        }
        handler();
    }
}

void* TrackedNew(size_t size, MemAllocType type) {
    const char* path = g_ownerPath;
    const unsigned line = g_ownerLine;
    const char* function = g_ownerFunction;
    return AllocateOrThrow([&]() -> void* {
        try {
            return MemAllocate(path, line, function, type, size == 0 ? 1 : size);
        } catch (const char*) {
            return nullptr; // out of memory: the new-handler may free some
        }
    });
}

void* TrackedNewNoThrow(size_t size, MemAllocType type) noexcept {
    try {
        return TrackedNew(size, type);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void TrackedDelete(void* address, MemAllocType type) noexcept {
    if (!address) {
        MemResetOwner();
        return;
    }
    try {
        MemDeallocate(g_ownerPath, g_ownerLine, g_ownerFunction, type, address);
    } catch (const char* message) {
        MemFail(message);
    }
}

// Over-aligned objects bypass the tracker: the runtime's aligned allocation serves both
// the aligned new and its matching aligned delete.
void* AlignedNew(size_t size, std::align_val_t alignment) {
    MemResetOwner();
    const size_t bytes = size == 0 ? 1 : size;
    const size_t align = static_cast<size_t>(alignment) < sizeof(void*)
                             ? sizeof(void*)
                             : static_cast<size_t>(alignment);
    return AllocateOrThrow([&]() -> void* {
        void* address = nullptr;
        return posix_memalign(&address, align, bytes) == 0 ? address : nullptr;
    });
}

void* AlignedNewNoThrow(size_t size, std::align_val_t alignment) noexcept {
    try {
        return AlignedNew(size, alignment);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void AlignedDelete(void* address) noexcept {
    MemResetOwner();
    free(address);
}

} // namespace

void SetAllocOwner(const char* path, unsigned line, const char* function) {
    g_ownerPath = path;
    g_ownerLine = line;
    g_ownerFunction = function;
}

const char* MemAllocTypeName(MemAllocType type) {
    static const char* const kNames[] = {"Unknown", "new",    "new[]",    "malloc", "calloc",
                                         "realloc", "delete", "delete[]", "free"};
    return type < sizeof kNames / sizeof kNames[0] ? kNames[type] : kNames[kAllocUnknown];
}

void* MemAllocate(const char* file, unsigned line, const char* function, MemAllocType type,
                  size_t size) {
    const ScopedOwnerReset ownerReset;
    const OwnerName owner = MakeOwnerName(file, line, function);
    std::lock_guard<std::mutex> lock(g_mutex);
    const size_t number = ++g_stats.m_allocationCount;
    if (g_alwaysLogAll) {
        MemLog("%05zu %-40s %8s            : %s", number, MemOwnerString(owner).m_text,
               MemAllocTypeName(type), MemFormatSize(size).m_text);
    }
    if (!g_freeList && !GrowFreeList()) {
        throw kNoTrackingMemory;
    }
    void* actual = size <= kMaxRequest ? malloc(size + 2 * kGuardBytes) : nullptr;
    if (!actual) {
        throw kAllocationFailed;
    }
    HeapPages::AdviseGrowth();
    MemAllocUnit* unit = g_freeList;
    g_freeList = unit->m_next;
    *unit = MemAllocUnit{};
    AssignBlock(unit, actual, size, owner, type, number);

    unsigned char* reported = ReportedAddress(*unit);
    if (g_alwaysWipeAll) {
        FillPattern(reported, size, g_randomWipe ? RandomWord() : kFreshPattern);
    }
    WriteGuards(*unit);
    if (type == kAllocCalloc) {
        memset(reported, 0, size);
    }
    FinishAllocation(reported);
    return reported;
}

void* MemReallocate(const char* file, unsigned line, const char* function, MemAllocType type,
                    void* address, size_t size) {
    if (!address) {
        return MemAllocate(file, line, function, type, size);
    }
    const ScopedOwnerReset ownerReset;
    const OwnerName owner = MakeOwnerName(file, line, function);
    std::lock_guard<std::mutex> lock(g_mutex);
    const size_t number = ++g_stats.m_allocationCount;
    if (g_alwaysLogAll) {
        MemLog("%05zu %-40s %8s(0x%08" PRIXPTR "): %s", number, MemOwnerString(owner).m_text,
               MemAllocTypeName(type), AddressValue(address), MemFormatSize(size).m_text);
    }
    MemAllocUnit* unit = FindUnit(address);
    if (!unit) {
        throw kUnknownReallocation;
    }
    void* actual =
        size <= kMaxRequest ? realloc(ActualAddress(*unit), size + 2 * kGuardBytes) : nullptr;
    if (!actual) {
        throw kReallocationFailed;
    }
    HeapPages::AdviseGrowth();
    const size_t oldSize = unit->m_reportedSize;
    UnlinkUnit(unit);
    CountRelease(*unit);
    AssignBlock(unit, actual, size, owner, type, number);

    unsigned char* reported = ReportedAddress(*unit);
    if (g_alwaysWipeAll && size > oldSize) {
        FillPattern(reported + oldSize, size - oldSize, kFreshPattern);
    }
    WriteGuards(*unit);
    FinishAllocation(reported);
    return reported;
}

void MemDeallocate(const char* file, unsigned line, const char* function, MemAllocType type,
                   void* address) {
    const ScopedOwnerReset ownerReset;
    std::lock_guard<std::mutex> lock(g_mutex);
    if (g_alwaysLogAll) {
        MemLog("      %-40s %8s(0x%08" PRIXPTR ")",
               MemOwnerString(MakeOwnerName(file, line, function)).m_text, MemAllocTypeName(type),
               AddressValue(address));
    }
    MemAllocUnit* unit = FindUnit(address);
    if (!unit) {
        throw kUnknownDeallocation;
    }
    if (g_alwaysWipeAll) {
        FillPattern(ReportedAddress(*unit), unit->m_reportedSize, kReleasedPattern);
    }
    free(ActualAddress(*unit));
    UnlinkUnit(unit);
    CountRelease(*unit);
    *unit = MemAllocUnit{};
    unit->m_next = g_freeList;
    g_freeList = unit;
    if (g_alwaysValidateAll) {
        ValidateAllLocked();
    }
    if (g_shuttingDown) {
        DumpLeakReportLocked(); // static destructors may still release blocks
    }
}

bool MemIsKnown(const void* address) {
    std::lock_guard<std::mutex> lock(g_mutex);
    return FindUnit(address) != nullptr;
}

bool MemValidateAll() {
    std::lock_guard<std::mutex> lock(g_mutex);
    return ValidateAllLocked();
}

void MemDumpLeakReport() {
    std::lock_guard<std::mutex> lock(g_mutex);
    DumpLeakReportLocked();
}

void MemDumpReport(const char* fileName, bool overwrite) {
    std::lock_guard<std::mutex> lock(g_mutex);
    FILE* file = fopen(fileName, overwrite ? "w+b" : "ab");
    if (!file) {
        return;
    }
    const LocalTime t = Now();
    char title[kReportWidth + 1];
    snprintf(title, sizeof title, "Memory report for: %02d/%02d/%04d %02d:%02d:%02d", t.m_month,
             t.m_day, t.m_year, t.m_hour, t.m_minute, t.m_second);
    WriteCentredFrame(file, title);
    const MemStats& s = g_stats;
    WriteStatsSection(file, "T O T A L S", s.m_totalAllocUnitCount, s.m_totalReportedMemory,
                      s.m_totalActualMemory);
    WriteStatsSection(file, "P E A K S", s.m_peakAllocUnitCount, s.m_peakReportedMemory,
                      s.m_peakActualMemory);
    WriteStatsSection(file, "A C C U M U L A T E D", s.m_accumulatedAllocUnitCount,
                      s.m_accumulatedReportedMemory, s.m_accumulatedActualMemory);
    size_t unused = 0;
    ForEachUnit([&unused](const MemAllocUnit& unit) { unused += MemCountUnused(unit); });
    WriteLine(file, "%s", "");
    WriteCentredFrame(file, "U N U S E D");
    WriteLine(file, "Memory allocated but not in use: %s", MemFormatSize(unused).m_text);
    fclose(file);
}

MemStats MemGetStats() {
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_stats;
}

bool& MemAlwaysValidateAll() {
    return g_alwaysValidateAll;
}
bool& MemAlwaysLogAll() {
    return g_alwaysLogAll;
}
bool& MemAlwaysWipeAll() {
    return g_alwaysWipeAll;
}
bool& MemRandomWipe() {
    return g_randomWipe;
}
bool& MemCleanupLogOnFirstRun() {
    return g_cleanupLogOnFirstRun;
}

bool& MemBreakOnDealloc(const void* address) {
    std::lock_guard<std::mutex> lock(g_mutex);
    MemAllocUnit* unit = FindUnit(address);
    g_scratchBreakFlag = false;
    return unit ? unit->m_breakOnDealloc : g_scratchBreakFlag;
}

bool& MemBreakOnRealloc(const void* address) {
    std::lock_guard<std::mutex> lock(g_mutex);
    MemAllocUnit* unit = FindUnit(address);
    g_scratchBreakFlag = false;
    return unit ? unit->m_breakOnRealloc : g_scratchBreakFlag;
}

void* operator new(size_t size) {
    return TrackedNew(size, kAllocNew);
}
void* operator new[](size_t size) {
    return TrackedNew(size, kAllocNewArray);
}
void* operator new(size_t size, const std::nothrow_t&) noexcept {
    return TrackedNewNoThrow(size, kAllocNew);
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept {
    return TrackedNewNoThrow(size, kAllocNewArray);
}
void* operator new(size_t size, std::align_val_t alignment) {
    return AlignedNew(size, alignment);
}
void* operator new[](size_t size, std::align_val_t alignment) {
    return AlignedNew(size, alignment);
}
void* operator new(size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return AlignedNewNoThrow(size, alignment);
}
void* operator new[](size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return AlignedNewNoThrow(size, alignment);
}

void operator delete(void* address) noexcept {
    TrackedDelete(address, kAllocDelete);
}
void operator delete[](void* address) noexcept {
    TrackedDelete(address, kAllocDeleteArray);
}
void operator delete(void* address, const std::nothrow_t&) noexcept {
    TrackedDelete(address, kAllocDelete);
}
void operator delete[](void* address, const std::nothrow_t&) noexcept {
    TrackedDelete(address, kAllocDeleteArray);
}
void operator delete(void* address, size_t) noexcept {
    TrackedDelete(address, kAllocDelete);
}
void operator delete[](void* address, size_t) noexcept {
    TrackedDelete(address, kAllocDeleteArray);
}
void operator delete(void* address, std::align_val_t) noexcept {
    AlignedDelete(address);
}
void operator delete[](void* address, std::align_val_t) noexcept {
    AlignedDelete(address);
}
void operator delete(void* address, size_t, std::align_val_t) noexcept {
    AlignedDelete(address);
}
void operator delete[](void* address, size_t, std::align_val_t) noexcept {
    AlignedDelete(address);
}
void operator delete(void* address, std::align_val_t, const std::nothrow_t&) noexcept {
    AlignedDelete(address);
}
void operator delete[](void* address, std::align_val_t, const std::nothrow_t&) noexcept {
    AlignedDelete(address);
}
