#include "Source/creatures/wait_command.h"

#include "Library/graphics/screen.h"

WaitCommand::WaitCommand(SoldierEntity& owner, float seconds)
    : CreatureCommand(owner, kWait), m_seconds(seconds) {}

bool WaitCommand::Update() {
    if (GetState() == kStart && !IsTimerRunning()) {
        m_seconds -= static_cast<float>(FrameSeconds());
        if (m_seconds <= 0.0f)
            SetState(kEnd);
    }
    return IsRunning();
}

void WaitCommand::Describe(int x, int y, Screen& screen) const {
    screen.Printf(x, y, "WAIT = %f", m_seconds);
    DescribeState(x, y, screen);
}
