#pragma once
// What an animation keeps per frame index, shared by all its sequences.

#include <cstdint>

struct AnimFrameInfo {
    float offsetX = 0;
    float offsetY = 0;
    float offsetZ = 0;     // carried along with the other two; the players do not read it
    uint32_t duration = 0; // milliseconds the frame stays on screen
};
