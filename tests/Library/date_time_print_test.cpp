#include "Library/date_time.h"
#include "screen_fixture.h"

#include <algorithm>
#include <vector>

namespace {

class DateTimePrint : public ScreenTest {};

// Rows of the screen that hold any ink.
std::vector<int> InkedRows(const PixelSurface& surface) {
    std::vector<int> rows;
    for (int y = 0; y < surface.height; ++y)
        for (int x = 0; x < surface.width; ++x)
            if (surface.pixels[y * surface.width + x]) {
                rows.push_back(y);
                break;
            }
    return rows;
}

TEST_F(DateTimePrint, DrawsTheTimeAndTheDateOneLineApart) {
    InstallFont();
    ASSERT_TRUE(m_screen->OpenFonts());
    ClearTo(0);
    m_screen->SetClipRect(0, 0, 800, 600);
    DateTime value;
    value.Set(5, 4, 3, 2, 1, 1, 2000);
    value.Print(10, 100, *m_screen);

    const std::vector<int> rows = InkedRows(m_screen->GetSurface());
    ASSERT_FALSE(rows.empty());
    EXPECT_GE(rows.front(), 100);
    const int skip = m_screen->LineSkip();
    EXPECT_LT(rows.back(), 100 + 2 * skip);
    // Both lines carry ink: one in each band of a line's height.
    const auto inBand = [&](int top) {
        return std::any_of(rows.begin(), rows.end(),
                           [&](int y) { return y >= top && y < top + skip; });
    };
    EXPECT_TRUE(inBand(100));
    EXPECT_TRUE(inBand(100 + skip));
}

} // namespace
