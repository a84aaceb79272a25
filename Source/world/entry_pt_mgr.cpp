#include "Source/world/entry_pt_mgr.h"

#include "Library/core/counted_records.h"
#include "Library/core/stream.h"
#include "Source/world/debug_marker.h"

#include <vector>

EntryPtMgr* g_entryPtMgr = nullptr;

EntryPtMgr::EntryPtMgr() : m_entries(kInitialCapacity) {}

void EntryPtMgr::Clear() {
    m_entries.FreeAll();
}

bool EntryPtMgr::Load(Stream& stream) {
    EntryPt fallback;
    std::vector<EntryPt> entries;
    if (stream.CheckOpen() != kStreamOk || !fallback.Read(stream) ||
        !ReadCountedRecords(stream, EntryPt::kMinStoredBytes, "Entry points", entries))
        return false;
    m_default = fallback;
    for (const EntryPt& entry : entries)
        *m_entries.Alloc() = entry;
    return true;
}

bool EntryPtMgr::Save(Stream& stream) const {
    return stream.CheckOpen() == kStreamOk && m_default.Write(stream) &&
           WriteUsedRecords(stream, m_entries);
}

void EntryPtMgr::SetDefault(const Vector& position, uint8_t facing) {
    m_default.position = position;
    m_default.facing = facing;
}

EntryPt* EntryPtMgr::FindByName(const Stringc& name) const {
    const int slot = m_entries.FindUsed([&](const EntryPt& entry) { return entry.name == name; });
    return slot < 0 ? nullptr : m_entries.Get(slot);
}

EntryPt& EntryPtMgr::Add(const Vector& position) {
    Remove(FindByName(""));
    EntryPt& entry = *m_entries.Alloc();
    entry.Reset();
    entry.position = position;
    return entry;
}

void EntryPtMgr::Remove(const EntryPt* entry) {
    const int slot = entry ? m_entries.SlotOf(entry) : -1;
    if (slot >= 0)
        m_entries.Free(slot);
}

EntryPt* EntryPtMgr::FindAt(const Vector& point) const {
    const int slot = m_entries.FindUsed(
        [&](const EntryPt& entry) { return (entry.position - point).LengthSquared() <= 1.0f; });
    return slot < 0 ? nullptr : m_entries.Get(slot);
}

void EntryPtMgr::DrawDebug(Screen& screen, const MapView& view) const {
    for (int slot = 0; slot < m_entries.GetCount(); ++slot)
        if (m_entries.IsUsed(slot))
            DrawDebugMarker(screen, view, m_entries.Get(slot)->position, m_entries.Get(slot)->name);
}
