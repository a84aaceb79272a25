#include "Source/creatures/action_timer.h"

#include "Library/core/maths.h"
#include "Library/core/stream.h"
#include "Source/creatures/game_rules.h"

#include <algorithm>

void ActionTimer::Add(float amount, int speed, bool onAreaMap) {
    if (!onAreaMap)
        return;
    const float added =
        amount / static_cast<float>(std::max(speed, 1)) * GameRules::ActionTimeFactor();
    if (m_seconds <= 0.0f) {
        m_seconds = added;
        m_maximum = added;
        return;
    }
    m_seconds += added;
    m_maximum += added;
}

void ActionTimer::Update(double frameSeconds) {
    if (m_seconds > 0.0f)
        m_seconds = static_cast<float>(m_seconds - frameSeconds);
    else
        m_seconds = 0.0f;
}

int ActionTimer::GetPercent() const {
    if (m_maximum == 0.0f)
        return 0;
    return RoundToInt(m_seconds / m_maximum * 100.0f);
}

bool ActionTimer::Read(Stream& stream) {
    float seconds = 0.0f;
    float maximum = 0.0f;
    if (!stream.ReadValue(seconds) || !stream.ReadValue(maximum))
        return false;
    m_seconds = seconds;
    m_maximum = maximum;
    return true;
}

bool ActionTimer::Write(Stream& stream) const {
    return stream.WriteValue(m_seconds) && stream.WriteValue(m_maximum);
}
