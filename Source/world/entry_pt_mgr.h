#pragma once
// The entry points of the current region, plus a default entry that stands for where the
// party was and is used when a name is not found. At most one entry is unnamed: the one
// the map editor or a script has just placed and not yet named.
//
// Region block: the default entry (EntryPt); i32 count of used slots; the entries in slot
// order (EntryPt each).

#include "Library/core/mem_mgr.h"
#include "Source/world/entry_pt.h"

class MapView;
class Screen;
class Stream;

class EntryPtMgr {
public:
    static constexpr int kInitialCapacity = 10;

    EntryPtMgr();
    EntryPtMgr(const EntryPtMgr&) = delete;
    EntryPtMgr& operator=(const EntryPtMgr&) = delete;
    virtual ~EntryPtMgr() = default;

    void Clear(); // every slot free; the default stays

    // The block; Load appends to the list and sets the default, or changes nothing when
    // the block cannot be read whole.
    bool Load(Stream& stream);
    bool Save(Stream& stream) const;

    void SetDefault(const Vector& position, uint8_t facing);
    const EntryPt& GetDefault() const { return m_default; }
    // The lowest used slot with the name (case ignored); null when none.
    EntryPt* FindByName(const Stringc& name) const;
    // The lowest free slot, reset and placed at the position, unnamed; an unnamed entry
    // that was there already goes.
    EntryPt& Add(const Vector& position);
    void Remove(const EntryPt* entry); // nothing when no slot holds it
    // The lowest used slot within 1 world unit of the point; null when none.
    EntryPt* FindAt(const Vector& point) const;
    int Count() const { return m_entries.CountUsed(); }
    const EntryPt* Get(int slot) const {
        return m_entries.IsUsed(slot) ? m_entries.Get(slot) : nullptr;
    }

    void DrawDebug(Screen& screen, const MapView& view) const;

private:
    MemMgr<EntryPt> m_entries;
    EntryPt m_default;
};

// The current region's, made by the region manager.
extern EntryPtMgr* g_entryPtMgr;
