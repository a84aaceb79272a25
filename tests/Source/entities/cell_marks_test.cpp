// Marks per cell that a new round clears at once.
#include "Source/entities/cell_marks.h"

#include <gtest/gtest.h>

namespace {

// A mark holds only for its round; a grid of another size starts unmarked; cells off the
// grid never count as first visits, so nothing is saved for them.
TEST(CellMarksTest, AMarkHoldsForItsRoundOnlyAndCellsOffTheGridAreNeverMarked) {
    CellMarks marks;
    marks.StartRound(4, 3);
    EXPECT_TRUE(marks.Mark(3, 2));
    EXPECT_FALSE(marks.Mark(3, 2));
    EXPECT_TRUE(marks.Mark(0, 0));
    for (const auto& off : {std::make_pair(-1, 0), std::make_pair(4, 0), std::make_pair(0, 3),
                            std::make_pair(0, -1)})
        EXPECT_FALSE(marks.Mark(off.first, off.second));

    marks.StartRound(4, 3);
    EXPECT_TRUE(marks.Mark(3, 2));
    marks.StartRound(2, 2);
    EXPECT_TRUE(marks.Mark(1, 1));
    EXPECT_FALSE(marks.Mark(3, 2));
    marks.StartRound(0, 0);
    EXPECT_FALSE(marks.Mark(0, 0));
}

} // namespace
