#include "Source/world/wait_map_behaviour.h"

#include "Library/graphics/screen.h"

void WaitMapBehaviour::Reset() {
    MapBehaviour::Reset();
    m_ticks = kResetTicks;
}

bool WaitMapBehaviour::Update() {
    switch (GetState()) {
    case kStart:
        SetState(kWaiting);
        return true;
    case kWaiting:
        if (m_ticks-- < 1) {
            SetState(kEnd);
            return false;
        }
        return true;
    default:
        return false;
    }
}

void WaitMapBehaviour::DrawDebug(int x, int y, Screen& screen) const {
    screen.Printf(x, y, "WAIT = %d", m_ticks);
    MapBehaviour::DrawDebug(x, y, screen);
}
