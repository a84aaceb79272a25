#pragma once
// The step of an 8-way direction (0 up the screen, then clockwise) in two forms: as a unit
// step with y up, and as a cell offset on the diamond of radius 2 with y down the map.

struct DirectionStepRecord {
    float x = 0.0f;
    float y = 0.0f;
    int cellX = 0;
    int cellY = 0;
};

void DirectionStep(DirectionStepRecord& record, int direction); // all zero outside 0-7
