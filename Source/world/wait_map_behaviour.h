#pragma once
// Waits a number of frames: n ticks run for n + 2 updates (one to leave the start, n + 1
// counting down).

#include "Source/world/map_behaviour.h"

class WaitMapBehaviour : public MapBehaviour {
public:
    static constexpr int kResetTicks = 60;

    explicit WaitMapBehaviour(int ticks) : MapBehaviour(kWait), m_ticks(ticks) {}

    void Reset() override; // back to the start, with 60 ticks
    bool Update() override;
    void DrawDebug(int x, int y, Screen& screen) const override;

    int GetTicks() const { return m_ticks; }

private:
    int32_t m_ticks;
};
