#pragma once
// The sound emitters of the current region. The region manager steps them every unpaused
// frame with the listener at the map view's centre; the map editor places, edits, picks
// and removes them.
//
// Region block: i32 count of emitters, then the emitters in slot order (AmbientSnd each).

#include "Library/core/mem_mgr.h"
#include "Source/world/ambient_snd.h"

class MapView;
class Screen;
class SoundMgr;
class Stream;

class AmbientSndMgr {
public:
    static constexpr int kInitialCapacity = 1;

    // The slot holding the sound manager, read at each use (the game may replace the
    // manager); while it is null the emitters stay silent.
    explicit AmbientSndMgr(SoundMgr* const& sound);
    AmbientSndMgr(const AmbientSndMgr&) = delete;
    AmbientSndMgr& operator=(const AmbientSndMgr&) = delete;
    virtual ~AmbientSndMgr();

    void Clear(); // every sound stopped, every slot free
    void Update(const Vector& listener, uint32_t frameMs);
    void StopAll();

    // Read clears first, unless the block cannot be read whole: then nothing changes.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

    AmbientSnd& AddAt(const Vector& position);     // the lowest free slot, with the defaults
    void Remove(AmbientSnd* emitter);              // its sound stopped; nothing when not held
    AmbientSnd* FindAt(const Vector& point) const; // within 1 world unit; null when none
    int Count() const { return m_emitters.CountUsed(); }
    AmbientSnd* Get(int slot) const {
        return m_emitters.IsUsed(slot) ? m_emitters.Get(slot) : nullptr;
    }

    void DrawDebug(Screen& screen, const MapView& view, int pulse) const;

private:
    template <class Visit> void ForEachUsed(Visit visit) const {
        for (int slot = 0; slot < m_emitters.GetCount(); ++slot)
            if (m_emitters.IsUsed(slot))
                visit(*m_emitters.Get(slot));
    }

    SoundMgr* const& m_sound;
    MemMgr<AmbientSnd> m_emitters;
};

// The current region's, made by the region manager.
extern AmbientSndMgr* g_ambientSndMgr;
