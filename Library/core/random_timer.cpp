#include "Library/core/random_timer.h"

#include "Library/core/random.h"

RandomTimer::RandomTimer(int periodMs) {
    SetPeriod(periodMs);
}

void RandomTimer::SetPeriod(int periodMs) {
    m_period = periodMs;
    RandomisePhase();
}

void RandomTimer::RandomisePhase() {
    m_current = m_period == 0 ? 0 : RandomInt(0, m_period);
}

bool RandomTimer::Tick(int frameMs) {
    m_current += frameMs;
    if (m_current < m_period)
        return false;
    m_current = 0;
    return true;
}
