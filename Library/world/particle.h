#pragma once
// One particle: where it is in the particle field, how it moves, how long it has left, and
// the sway path it steps along; a spark of a burst also has its own colour.

#include "Library/core/vector.h"

#include <cstdint>
#include <vector>

struct Particle {
    Vector position;     // world units inside the field
    Vector velocity;     // world units a second
    Vector acceleration; // world units a second, each second
    int32_t life = 0;    // ms
    bool swayForward = true;
    int pathIndex = 0;
    uint32_t pathTimer = 0;       // ms on the current step
    uint16_t colour = 0;          // packed for the screen; sparks only
    std::vector<uint32_t> stepMs; // how long each step of the path lasts
    std::vector<Vector> offsets;  // added to the velocity on each step

    void AllocTrail(int length) {
        stepMs.assign(static_cast<size_t>(length), 0);
        offsets.assign(static_cast<size_t>(length), Vector());
    }
    int PathLength() const { return static_cast<int>(stepMs.size()); }
};
