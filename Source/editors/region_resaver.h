#pragma once
// Brings every region file of the data tree up to the current form: each ".reg" under the
// region directory, sub-directories first, is read with the region manager's definition
// reader and written back through a temporary renamed into place. The pass stops at the
// first file that cannot be read or written; the files re-saved before it stay re-saved.

#include "Library/core/stringc.h"

class RegionMgr;

class RegionResaver {
public:
    static constexpr int kMaxDepth = 32; // deeper trees (or a link loop) fail the pass

    // One region manager serves the whole pass: the managers it holds in their globals
    // stay for every directory level. Not owned.
    explicit RegionResaver(RegionMgr& region) : m_region(region) {}
    virtual ~RegionResaver() = default;

    bool ResaveAll(); // the region directory of g_dataPaths
    bool ResaveDirectory(const Stringc& directory, const char* extension);
    // The file or directory that stopped the last pass; "" after a pass that succeeded.
    const Stringc& GetFailedPath() const { return m_failedPath; }

private:
    bool ResaveTree(const Stringc& directory, const Stringc& extension, int depth);
    bool ResaveFile(const Stringc& path);
    bool Fail(const Stringc& path);

    RegionMgr& m_region;
    Stringc m_failedPath;
};
