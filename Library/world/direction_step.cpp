#include "Library/world/direction_step.h"

void DirectionStep(DirectionStepRecord& record, int direction) {
    static const DirectionStepRecord kSteps[8] = {
        {0, 1, 0, -2}, {1, 1, 1, -1},   {1, 0, 2, 0},   {1, -1, 1, 1},
        {0, -1, 0, 2}, {-1, -1, -1, 1}, {-1, 0, -2, 0}, {-1, 1, -1, -1},
    };
    record = direction >= 0 && direction < 8 ? kSteps[direction] : DirectionStepRecord();
}
