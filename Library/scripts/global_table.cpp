#include "Library/scripts/global_table.h"

#include "Library/core/counted_records.h"

GlobalTable::GlobalTable() : m_pool(kPoolCapacity), m_touched(1) {}

GlobalTable::~GlobalTable() = default;

void GlobalTable::Reset() {
    m_touched.FreeAll();
    m_pool.FreeAll();
}

GlobalEntry* GlobalTable::Find(const Stringc& scope, const Stringc& name) {
    const auto named = [&](const GlobalEntry& entry) { return entry.IsNamed(scope, name); };
    const int touchedSlot = m_touched.FindUsed(named);
    if (touchedSlot >= 0)
        return m_touched.Get(touchedSlot);
    const int poolSlot = m_pool.FindUsed(named);
    if (poolSlot < 0)
        return nullptr;
    GlobalEntry* entry = m_pool.Get(poolSlot);
    m_touched.Add(entry);
    return entry;
}

GlobalEntry& GlobalTable::Create(const Stringc& scope, const Stringc& name, int32_t value) {
    GlobalEntry* entry = m_pool.Alloc();
    entry->Set(scope, name, value);
    m_touched.Add(entry);
    return *entry;
}

bool GlobalTable::Load(Stream& stream) {
    std::vector<GlobalEntry> entries;
    if (!ReadEntries(stream, entries))
        return false;
    Replace(entries);
    return true;
}

bool GlobalTable::Save(Stream& stream) const {
    if (!stream.WriteValue(int32_t{Count()}))
        return false;
    for (int slot = 0; slot < m_pool.GetCount(); ++slot)
        if (m_pool.IsUsed(slot) && !m_pool.Get(slot)->Write(stream))
            return false;
    return true;
}

bool GlobalTable::ReadEntries(Stream& stream, std::vector<GlobalEntry>& entries) {
    return ReadCountedRecords(stream, GlobalEntry::kMinStoredBytes, "Stored globals", entries);
}

void GlobalTable::Replace(const std::vector<GlobalEntry>& entries) {
    Reset();
    for (const GlobalEntry& stored : entries)
        *m_pool.Alloc() = stored;
}
