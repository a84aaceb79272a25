#include "platform/sound_listener.h"

#include <algorithm>
#include <cmath>

namespace {

float Length(const FSoundVector& v) {
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

} // namespace

void SoundListener::Place(const FSoundVector* position, const FSoundVector& forward,
                          const FSoundVector& up) {
    if (position)
        m_position = *position;
    // Left-handed space: up x forward points right.
    const FSoundVector right{up.y * forward.z - up.z * forward.y,
                             up.z * forward.x - up.x * forward.z,
                             up.x * forward.y - up.y * forward.x};
    const float length = Length(right);
    if (length > 0.0f)
        m_right = {right.x / length, right.y / length, right.z / length};
}

float SoundListener::Attenuation(float distance, float minDistance, float maxDistance) const {
    const float d = std::min(distance, maxDistance);
    const float denominator = minDistance + m_rolloff * (d - minDistance);
    if (d <= minDistance || denominator <= 0.0f)
        return 1.0f;
    return minDistance / denominator;
}

StereoGain SoundListener::Hear(const FSoundVector& source, float minDistance,
                               float maxDistance) const {
    const FSoundVector offset{source.x - m_position.x, source.y - m_position.y,
                              source.z - m_position.z};
    const float distance = Length(offset);
    const float gain = Attenuation(distance, minDistance, maxDistance);
    float pan = 0.0f; // -1 hard left, +1 hard right
    if (distance > 0.0f) {
        pan = (offset.x * m_right.x + offset.y * m_right.y + offset.z * m_right.z) / distance;
        pan = std::clamp(pan, -1.0f, 1.0f);
    }
    // Balance law: a sound straight ahead is as loud in both ears as a plain stereo one.
    return {gain * std::min(1.0f, 1.0f - pan), gain * std::min(1.0f, 1.0f + pan)};
}
