#pragma once

// Fires once per period, starting from a random phase so that many objects with the
// same period do not all fire in the same frame.
class RandomTimer {
public:
    explicit RandomTimer(int periodMs = 0);

    void SetPeriod(int periodMs); // also draws a new phase
    void RandomisePhase();
    // Adds the frame's milliseconds; true, and back to 0, when the period is reached.
    bool Tick(int frameMs);
    int MsLeft() const { return m_period - m_current; } // below 1: the next tick fires

private:
    int m_current = 0;
    int m_period = 0;
};
