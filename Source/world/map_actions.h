#pragma once
// A map's sequencer of small timed events: behaviours run one after another, each until
// it reports that it is done. Made afresh whenever a map is entered.

#include "Library/core/mem_mgr.h"
#include "Source/world/map_behaviour.h"

#include <cstdint>

class Screen;
class SoundMgr;

class MapActions {
public:
    enum State : uint32_t { kIdle, kRunning, kDrained };
    static constexpr int kInitialCapacity = 5;

    // The slot holding the sound manager, read when a behaviour plays.
    explicit MapActions(SoundMgr* const& sound);
    MapActions(const MapActions&) = delete;
    MapActions& operator=(const MapActions&) = delete;
    ~MapActions();

    void Clear(); // no current behaviour, the queue emptied
    // Queues a new behaviour after the others; one that is running starts over. False for
    // a kind outside 0 to 3.
    bool Add(uint32_t kind, const MapBehaviour::Argument& argument);
    void Update();
    void DrawDebug(int x, int y, Screen& screen) const;

    int Count() const { return m_queue.CountUsed(); } // the current one included
    uint32_t GetState() const { return m_state; }
    const MapBehaviour* GetCurrent() const { return m_current; }

private:
    MapBehaviour* m_current = nullptr; // held in the queue until it is done
    NullItemMemMgr<MapBehaviour> m_queue;
    uint32_t m_state = kIdle;
    SoundMgr* const& m_sound;
};

// The current map's, made by the frame driver with every map.
extern MapActions* g_mapActions;
