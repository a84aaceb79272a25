#pragma once
// One small timed event of a map, run by MapActions until it reports that it is done:
// the base kind does nothing; the others wait, play a sound or start a music stream.

#include "Library/core/stringc.h"
#include "Library/core/vector.h"

#include <cstdint>
#include <memory>

class Screen;
class SoundMgr;

class MapBehaviour {
public:
    enum Kind : uint32_t { kNone, kWait, kSound, kMusic, kKindCount };
    enum State : uint32_t { kStart, kWaiting, kEnd };

    // What a behaviour is made with: the wait takes the ticks, the sound the name and the
    // position, the music the name.
    struct Argument {
        int ticks = 0;
        Stringc name;
        Vector position;
    };

    MapBehaviour() = default;
    MapBehaviour(const MapBehaviour&) = delete;
    MapBehaviour& operator=(const MapBehaviour&) = delete;
    virtual ~MapBehaviour() = default;

    // Null for a kind outside 0 to 3. The sound manager slot is read when the behaviour
    // acts; while it is null the sound and music do nothing.
    static std::unique_ptr<MapBehaviour> Create(uint32_t kind, const Argument& argument,
                                                SoundMgr* const& sound);

    virtual void Reset() { m_state = kStart; }
    virtual bool Update(); // true while the behaviour still runs
    virtual void DrawDebug(int x, int y, Screen& screen) const;

    uint32_t GetKind() const { return m_kind; }
    uint32_t GetState() const { return m_state; }

protected:
    explicit MapBehaviour(Kind kind) : m_kind(kind) {}
    void SetState(State state) { m_state = state; }

private:
    uint32_t m_kind = kNone;
    uint32_t m_state = kStart;
};
