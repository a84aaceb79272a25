#include "Library/graphics/update_rectangles.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

std::tuple<int, int, int, int> At(const UpdateRectangles& rects, int i) {
    const SDL_Rect& r = rects.GetRect(i);
    return {r.x, r.y, r.w, r.h};
}

TEST(UpdateRectangles, AreasAreCutToTheScreenAndOffScreenOnesIgnored) {
    UpdateRectangles rects;
    rects.Add(-10, 5, 30, 10); // a negative corner moves to 0 keeping its size
    rects.Add(790, 0, 50, 10);
    rects.Add(0, 590, 10, 4000);
    for (const auto& [x, y, w, h] : {std::tuple{799, 0, 1, 1},
                                     {-20, 0, 20, 5},
                                     {100, 100, -50, 10},
                                     {100, 100, 10, 0},
                                     {2147483000, 0, 2147483000, 1}})
        rects.Add(x, y, w, h);
    ASSERT_EQ(rects.GetCount(), 3);
    EXPECT_EQ(At(rects, 0), std::tuple(0, 5, 30, 10));
    EXPECT_EQ(At(rects, 1), std::tuple(790, 0, 10, 10));
    EXPECT_EQ(At(rects, 2), std::tuple(0, 590, 10, 10));
}

TEST(UpdateRectangles, AFullListBecomesTheWholeScreenSoNoChangeIsLost) {
    UpdateRectangles rects;
    for (int i = 0; i <= UpdateRectangles::kMaxRects; ++i)
        rects.Add(i * 10, 0, 5, 5);
    ASSERT_EQ(rects.GetCount(), 1);
    EXPECT_EQ(At(rects, 0), std::tuple(0, 0, 800, 600));
}

} // namespace
