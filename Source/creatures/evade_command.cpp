#include "Source/creatures/evade_command.h"

#include "Library/core/random.h"

bool EvadeCommand::Update() {
    const float frame = static_cast<float>(FrameSeconds());
    m_seconds -= frame;
    if (m_seconds <= 0.0f) {
        SetState(kEnd);
        return false;
    }
    switch (GetState()) {
    case kStart:
        if (IsTimerRunning())
            break;
        if (IsOutOfDanger())
            SetState(kEnd);
        else
            TryToFlee();
        break;
    case kPathingToDest:
        if (!IsMoving())
            SetState(kStart);
        break;
    case kWaiting:
        m_wait -= frame;
        if (m_wait <= 0.0f)
            SetState(kStart);
        break;
    default:
        break;
    }
    return IsRunning();
}

// A plan that failed has marked the command failed: waiting it out is no failure.
void EvadeCommand::TryToFlee() {
    if (FleeOnce())
        return;
    SetOutcomeNormal();
    SetState(kWaiting);
    m_wait = RandomFloat(kMinWait, kMaxWait);
}
