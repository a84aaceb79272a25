#pragma once
// Debug allocator behind every global new and delete: each block carries its owner
// (file and line named by SetAllocOwner) and guard words around it; "memory.log" gets
// the diagnostics and "memleaks.log" the leak report written at exit.
// Its failures (no memory for a block or for its own records, an address it never handed
// out) are thrown as the message text, a const char*; operator delete logs them and aborts.

#include <cstddef>

enum MemAllocType : unsigned {
    kAllocUnknown = 0,
    kAllocNew,
    kAllocNewArray,
    kAllocMalloc,
    kAllocCalloc,
    kAllocRealloc,
    kAllocDelete,
    kAllocDeleteArray,
    kAllocFree,
};

struct MemStats {
    size_t m_totalReportedMemory; // bytes the callers asked for, live blocks
    size_t m_totalActualMemory;   // the same plus the guard bytes
    size_t m_peakReportedMemory;
    size_t m_peakActualMemory;
    size_t m_accumulatedReportedMemory; // over every allocation ever made
    size_t m_accumulatedActualMemory;
    size_t m_accumulatedAllocUnitCount;
    size_t m_totalAllocUnitCount; // live blocks
    size_t m_peakAllocUnitCount;
    size_t m_allocationCount; // running number of allocation calls
};

// Names the owner of the next tracked call; the NEW and DELETE macros call it.
void SetAllocOwner(const char* path, unsigned line, const char* function);

// Returns the address handed to the caller; size 0 is kept (operator new asks for 1).
void* MemAllocate(const char* file, unsigned line, const char* function, MemAllocType type,
                  size_t size);
// A null address allocates afresh.
void* MemReallocate(const char* file, unsigned line, const char* function, MemAllocType type,
                    void* address, size_t size);
// Throws when the address was never allocated.
void MemDeallocate(const char* file, unsigned line, const char* function, MemAllocType type,
                   void* address);
bool MemIsKnown(const void* address);

// Checks the guard words of every live block; false (and "memory.log" lines) on damage.
bool MemValidateAll();
void MemDumpLeakReport(); // "memleaks.log"
void MemDumpReport(const char* fileName, bool overwrite);
MemStats MemGetStats();
const char* MemAllocTypeName(MemAllocType type);

bool& MemAlwaysValidateAll();    // validate every block on every call (off)
bool& MemAlwaysLogAll();         // log every call to "memory.log" (off)
bool& MemAlwaysWipeAll();        // fill fresh and released blocks with patterns (on)
bool& MemRandomWipe();           // fresh blocks get a random word instead (off)
bool& MemCleanupLogOnFirstRun(); // delete "memory.log" before the first line of a run (on)
// Flags shown in the leak report for the block at a reported address; an unknown
// address gets a scratch flag that belongs to no block.
bool& MemBreakOnDealloc(const void* address);
bool& MemBreakOnRealloc(const void* address);
