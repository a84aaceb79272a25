#pragma once
// Stand-in for the Windows runtime's directory search (_findfirst and friends).
// Patterns match ignoring case, "*.*" also matches names without a dot, and
// entries come sorted ignoring case, "." and ".." included as Windows lists them.

#include <cstdint>
#include <ctime>

constexpr unsigned _A_NORMAL = 0x00;
constexpr unsigned _A_SUBDIR = 0x10;

struct _finddata_t {
    unsigned attrib;
    std::time_t time_create;
    std::time_t time_access;
    std::time_t time_write;
    unsigned long long size;
    char name[260];
};

// Handle of the search, or -1 when the directory cannot be read or nothing matches.
intptr_t _findfirst(const char* filespec, _finddata_t* found);
int _findnext(intptr_t handle, _finddata_t* found); // 0, or -1 at the end
int _findclose(intptr_t handle);

namespace platform {
bool MatchWildcard(const char* pattern, const char* name); // '*' and '?', ignoring case
}
