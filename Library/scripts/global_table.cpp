#include "Library/scripts/global_table.h"

#include "Library/core/stream.h"

#include <cstdio>

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
    int32_t count = 0;
    if (stream.CheckOpen() != kStreamOk || !stream.ReadValue(count))
        return false;
    if (count < 0 || count > stream.Remaining() / GlobalEntry::kMinStoredBytes) {
        std::fprintf(stderr, "Stored globals: %d entries cannot lie in the %ld bytes left\n", count,
                     stream.Remaining());
        return false;
    }
    entries.assign(static_cast<size_t>(count), GlobalEntry());
    for (GlobalEntry& entry : entries) {
        if (!entry.Read(stream)) {
            std::fprintf(stderr, "Stored globals: entry %d of %d is damaged or cut short\n",
                         static_cast<int>(&entry - entries.data()), count);
            return false;
        }
    }
    return true;
}

void GlobalTable::Replace(const std::vector<GlobalEntry>& entries) {
    Reset();
    for (const GlobalEntry& stored : entries)
        *m_pool.Alloc() = stored;
}
