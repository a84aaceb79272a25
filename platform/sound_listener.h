#pragma once
// Where the listener stands and how loud a positioned sound reaches each ear: full
// inside the sound's minimum distance, then min / (min + rolloff x (d - min)) up to
// its maximum distance, where it stops falling; panned along the listener's right.

#include "platform/sound_layer.h"

struct StereoGain {
    float left = 1.0f;
    float right = 1.0f;
};

class SoundListener {
public:
    void Place(const FSoundVector* position, const FSoundVector& forward, const FSoundVector& up);
    void SetRolloff(float rolloff) { m_rolloff = rolloff; }

    float Attenuation(float distance, float minDistance, float maxDistance) const;
    StereoGain Hear(const FSoundVector& source, float minDistance, float maxDistance) const;

private:
    FSoundVector m_position;
    FSoundVector m_right{1.0f, 0.0f, 0.0f};
    float m_rolloff = 1.0f;
};
