#pragma once
// The game trace's turnover of the crowd: now and then one creature is freed and another of
// its kind made where it stood, in the pool slot it left, as a region's script that releases
// a creature and makes one does. Whatever the slot kept of the freed creature must not reach
// the new one, and a build where it does prints other lines.

class CrowdTurnover {
public:
    // Every few frames, the next creature in slot order, the party left out. False when the
    // new one cannot be made or does not take the freed slot.
    bool Step(int frame);

private:
    int m_nextSlot = 0;
};
