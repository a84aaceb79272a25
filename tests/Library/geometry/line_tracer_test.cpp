#include "Library/geometry/line_tracer.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Cells = std::vector<std::pair<int, int>>;

Cells Visited(int x1, int y1, int x2, int y2) {
    Cells cells;
    LineTracer tracer([&cells](int x, int y) {
        cells.emplace_back(x, y);
        return true;
    });
    EXPECT_TRUE(tracer.Trace(x1, y1, x2, y2));
    return cells;
}

TEST(LineTracer, ShallowSteepAndReversedLinesVisitTheExpectedCells) {
    EXPECT_EQ(Visited(0, 0, 5, 2), (Cells{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}}));
    EXPECT_EQ(Visited(0, 0, 2, 5), (Cells{{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}, {2, 5}}));
    // Right to left on a row keeps the caller's order and steps x down.
    EXPECT_EQ(Visited(3, 4, 0, 4), (Cells{{3, 4}, {2, 4}, {1, 4}, {0, 4}}));
    // A line given downward in y is walked from its other end.
    EXPECT_EQ(Visited(0, 5, 3, 0), (Cells{{3, 0}, {2, 1}, {2, 2}, {1, 3}, {1, 4}, {0, 5}}));
    EXPECT_EQ(Visited(5, 0, 0, 2), (Cells{{5, 0}, {4, 0}, {3, 1}, {2, 1}, {1, 2}, {0, 2}}));
    EXPECT_EQ(Visited(0, 0, 3, 3), (Cells{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
    EXPECT_EQ(Visited(7, 7, 7, 7), (Cells{{7, 7}}));
}

TEST(LineTracer, StopsAtTheFirstRefusedCellFromTheLowerEnd) {
    int tested = 0;
    LineTracer tracer([&tested](int x, int y) {
        ++tested;
        return !(x == 1 && y == 4) && !(x == 2 && y == 2);
    });
    EXPECT_FALSE(tracer.Trace(0, 5, 3, 0)); // walked from (3, 0): (2, 2) comes first
    EXPECT_EQ(tracer.GetStopX(), 2);
    EXPECT_EQ(tracer.GetStopY(), 2);
    EXPECT_EQ(tested, 3);
    EXPECT_TRUE(tracer.Trace(0, 0, 6, 0));
    EXPECT_EQ(tracer.GetStopX(), 2); // a passing trace leaves the stop cell
}

} // namespace
