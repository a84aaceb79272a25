// The step of each 8-way direction, as a unit step and as a cell offset.
#include "Library/world/direction_step.h"

#include <gtest/gtest.h>

namespace {

TEST(DirectionStep, EachDirectionStepsItsWayAndAnyOtherStandsStill) {
    const DirectionStepRecord rows[8] = {
        {0, 1, 0, -2}, {1, 1, 1, -1},   {1, 0, 2, 0},   {1, -1, 1, 1},
        {0, -1, 0, 2}, {-1, -1, -1, 1}, {-1, 0, -2, 0}, {-1, 1, -1, -1},
    };
    for (int direction = -1; direction <= 9; ++direction) {
        DirectionStepRecord step{9, 9, 9, 9};
        DirectionStep(step, direction);
        const bool known = direction >= 0 && direction < 8;
        const DirectionStepRecord want = known ? rows[direction] : DirectionStepRecord();
        EXPECT_EQ(step.x, want.x) << direction;
        EXPECT_EQ(step.y, want.y) << direction;
        EXPECT_EQ(step.cellX, want.cellX) << direction;
        EXPECT_EQ(step.cellY, want.cellY) << direction;
    }
}

} // namespace
