#pragma once
// Allocation and release routines for code that lives in headers (the container
// templates), where the NEW and DELETE macros are not available. Every block is
// still named to the memory tracker; releases are owned by this file.

#include "Library/core/mem_tracker.h"

// A value-initialised T, owned by path:line in the tracker's reports.
template <class T> T* CreateObject(const char* path, unsigned line) {
    SetAllocOwner(path, line, "??");
    return new T();
}

// count value-initialised elements (zero for plain types).
template <class T> T* CreateBuffer(int count, const char* path, unsigned line) {
    SetAllocOwner(path, line, "??");
    return new T[count]();
}

// Deletes through the virtual destructor where T has one; null is left alone.
template <class T> void ReleaseObject(T*& object) {
    if (object == nullptr)
        return;
    SetAllocOwner(__FILE__, __LINE__, "??");
    delete object;
    object = nullptr;
}

template <class T> void ReleaseBuffer(T*& buffer) {
    if (buffer == nullptr)
        return;
    SetAllocOwner(__FILE__, __LINE__, "??");
    delete[] buffer;
    buffer = nullptr;
}
