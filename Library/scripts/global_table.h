#pragma once
// The named entries behind each global registry: a pool of entries that recycles its
// objects, and a second list of the entries created or found since the last reset, which
// lookups search first.

#include "Library/core/mem_mgr.h"
#include "Library/scripts/global_entry.h"

#include <vector>

class GlobalTable {
public:
    static constexpr int kPoolCapacity = 50;

    GlobalTable();
    GlobalTable(const GlobalTable&) = delete;
    GlobalTable& operator=(const GlobalTable&) = delete;
    ~GlobalTable();

    void Reset(); // no entries
    // The entry of the pair: the touched list first, then the pool, each in slot order;
    // an entry found in the pool joins the touched list. Null when there is none.
    GlobalEntry* Find(const Stringc& scope, const Stringc& name);
    GlobalEntry& Create(const Stringc& scope, const Stringc& name, int32_t value);
    int Count() const { return m_pool.CountUsed(); }

    // Stored form, little-endian: i32 count, then count entries in slot order (gaps
    // closed). Loading replaces every entry; a damaged record changes nothing.
    bool Load(Stream& stream);
    bool Save(Stream& stream) const;
    // The two halves of Load, for owners that store more after the entries.
    static bool ReadEntries(Stream& stream, std::vector<GlobalEntry>& entries);
    void Replace(const std::vector<GlobalEntry>& entries);

private:
    MemMgr<GlobalEntry> m_pool;
    NullItemMemMgr<GlobalEntry> m_touched; // points into the pool; owns nothing
};
