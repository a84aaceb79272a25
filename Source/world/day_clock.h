#pragma once
// What the region's world needs of the game clock: a tick of the area map's frame at the
// normal pace, the phase of the day (its hour 0, 6, 7, 12, 18 or 19) and the period (0 day,
// 1 dusk, 2 night, 3 morning), and its debug text.

#include <cstdint>

class Screen;

class DayClock {
public:
    virtual ~DayClock() = default;

    virtual void TickAtNormalPace(uint32_t frameMs, int modeId) = 0;
    virtual int GetPhaseHour() const = 0;
    virtual int GetPeriod() const = 0;
    virtual void Draw(int x, int y, Screen& screen) const = 0;
};
