#pragma once
// A debugging aid: frames counted over each 1000 ms of the tick source, the last whole
// count drawn as "555 n" or "565 n" after the screen's pixel layout.

#include <cstdint>

class Screen;
class TickSource;

class FrameRateMeter {
public:
    explicit FrameRateMeter(TickSource& ticks); // not owned
    void Draw(Screen& screen, int x, int y);    // once a frame: counts this one
    int GetRate() const { return m_rate; }

private:
    TickSource& m_ticks;
    uint32_t m_secondStart;
    int m_frames = 0;
    int m_rate = 0;
};
