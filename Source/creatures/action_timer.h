#pragma once
// How long a creature must wait before it may act again, and the length the wait last
// started from, for the readiness bar.

#include <cstdint>

class Stream;

class ActionTimer {
public:
    // Only on the area map. The time is amount / speed x the rules' action time factor; a speed
    // below 1 counts as 1, so no action makes the wait endless. A running wait grows by it,
    // an ended one starts from it.
    void Add(float amount, int speed, bool onAreaMap);
    // Counts a running wait down by the frame; the frame after it ends it reads 0.
    void Update(double frameSeconds);
    int GetPercent() const; // of the wait left; 0 without one
    float GetSeconds() const { return m_seconds; }
    float GetMaximum() const { return m_maximum; }
    void Clear() { m_seconds = m_maximum = 0.0f; }

    // Stored form: f32 seconds left, f32 maximum.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

private:
    float m_seconds = 0.0f;
    float m_maximum = 0.0f;
};
