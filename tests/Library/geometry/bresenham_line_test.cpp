#include "Library/geometry/bresenham_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <utility>
#include <vector>

namespace {

using Cells = std::vector<std::pair<int, int>>;

// The line tracer's walk (whose cells its own tests pin down) is the run from step 0.
Cells WalkedRun(const BresenhamLine& line, int64_t first, int64_t last) {
    Cells cells;
    EXPECT_TRUE(line.Walk(first, last, [&cells](int x, int y) {
        cells.emplace_back(x, y);
        return true;
    }));
    return cells;
}

// Every cell by its number, and every run of steps walked on its own, against the walk from
// the start: shallow, steep, diagonal, reversed and single-cell lines.
TEST(BresenhamLine, AnyCellAndAnyRunAreTheTracersOwn) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-300, 300);
    for (int trial = 0; trial < 2000; ++trial) {
        const int x1 = coordinate(random), y1 = coordinate(random);
        int x2 = coordinate(random), y2 = coordinate(random);
        if (trial % 7 == 0) // a diagonal
            y2 = y1 + (x2 - x1) * (trial % 2 ? 1 : -1);
        if (trial % 11 == 0)
            x2 = x1;
        const BresenhamLine line(x1, y1, x2, y2);
        const Cells cells = WalkedRun(line, 0, line.GetSteps());
        ASSERT_EQ(cells.size(), static_cast<size_t>(std::max(std::abs(x2 - x1), std::abs(y2 - y1))) + 1);
        for (int64_t step = 0; step <= line.GetSteps(); ++step) {
            int x = 0, y = 0;
            line.CellAt(step, x, y);
            ASSERT_EQ(std::make_pair(x, y), cells[step]) << trial << " step " << step;
        }
        std::uniform_int_distribution<int64_t> step(0, line.GetSteps());
        int64_t first = step(random), last = step(random);
        if (first > last)
            std::swap(first, last);
        EXPECT_EQ(WalkedRun(line, first, last), Cells(cells.begin() + first, cells.begin() + last + 1))
            << trial;
    }
}

TEST(BresenhamLine, AWalkStopsAtTheFirstRefusedCell) {
    const BresenhamLine line(0, 0, 10, 3);
    int visited = 0;
    EXPECT_FALSE(line.Walk(2, 9, [&visited](int x, int) {
        ++visited;
        return x != 5;
    }));
    EXPECT_EQ(visited, 4); // x = 2, 3, 4, 5
}

} // namespace
