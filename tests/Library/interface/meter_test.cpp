#include "Library/graphics/screen_fixture.h"
#include "Library/interface/bar_meter.h"
#include "Library/interface/rounded_bar_meter.h"
#include "Library/interface/segmented_meter.h"

#include <utility>
#include <vector>

namespace {

constexpr uint16_t kBar = 0xF800;
constexpr uint16_t kBack = 0x001F;

class MeterTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        m_screen->ResetClipRect();
        ClearTo(0);
    }
    // (first x, length) of every run of the value along row y.
    std::vector<std::pair<int, int>> Runs(int y, uint16_t value) const {
        std::vector<std::pair<int, int>> runs;
        for (int x = 0; x < 800; ++x)
            if (PixelAt(x, y) == value) {
                if (runs.empty() || runs.back().first + runs.back().second != x)
                    runs.emplace_back(x, 0);
                ++runs.back().second;
            }
        return runs;
    }
};

TEST_F(MeterTest, BarFillsItsRoundedShareAndDrawsTheBackByStyle) {
    struct Case {
        int orientation, style, value, filled;
    };
    for (const Case& c : {Case{1, 0, 1, 33}, Case{1, 1, 2, 67}, Case{0, 1, 1, 33},
                          Case{0, 2, 3, 100}, Case{1, 3, 0, 0}}) {
        SCOPED_TRACE(testing::Message() << "orientation " << c.orientation << " style " << c.style);
        ClearTo(0);
        BarMeter bar(100, 100, 100, 3, c.orientation);
        bar.SetThickness(4);
        bar.SetColours(kBar, kBack);
        bar.SetStyle(c.style);
        bar.SetValue(c.value);
        bar.Draw(*m_screen);
        EXPECT_EQ(CountPixels(kBar), 4 * c.filled);
        if (c.orientation == 1 && c.filled > 0) { // from the left
            EXPECT_EQ(PixelAt(100, 100), kBar);
            EXPECT_EQ(PixelAt(100 + c.filled, 103), c.style == 1 ? kBack : 0);
        } else if (c.filled > 0) { // from the bottom
            EXPECT_EQ(PixelAt(103, 199), kBar);
            EXPECT_EQ(PixelAt(100, 200 - c.filled), kBar);
        }
        if (c.style == 1) {
            EXPECT_EQ(CountPixels(kBack), 4 * (100 - c.filled));
        }
        if (c.style >= 2) { // a frame 2 pixels outside the bar
            const int right = c.orientation ? 201 : 105, bottom = c.orientation ? 105 : 201;
            EXPECT_EQ(PixelAt(right, bottom), kBack);
            EXPECT_EQ(CountPixels(kBack), 2 * (104 + 8) - 4);
        }
    }
}

TEST_F(MeterTest, ValueStaysWithinTheMaximumAndResetRestoresTheDefaults) {
    BarMeter bar(5, 5, 10, 50, 0);
    bar.SetValue(40);
    bar.SetValue(-5);
    EXPECT_EQ(bar.GetValue(), 40);
    bar.SetValue(51);
    EXPECT_EQ(bar.GetValue(), 50);
    bar.SetMax(20);
    EXPECT_EQ(bar.GetValue(), 20);

    bar.SetTextFormat(5);
    bar.SetLabel("hp");
    bar.Reset();
    EXPECT_FALSE(bar.IsTextShown());
    EXPECT_EQ(bar.GetTextFormat(), 5); // kept
}

TEST_F(MeterTest, NothingIsDrawnWithoutAMaximumOrBlocks) {
    BarMeter noMax(10, 10, 50, 0, 1);
    noMax.SetStyle(2);
    SegmentedMeter noBlocks(400, 300, 120, 40, 10, 1);
    noBlocks.SetBlockCount(0, false);
    SegmentedMeter negativeBlocks(400, 300, 120, 40, 10, 1);
    negativeBlocks.SetBlockCount(-3, false);
    SegmentedMeter tooNarrow(400, 300, 5, 40, 10, 1); // a block per 6 pixels: none
    SegmentedMeter segmentedNoMax(400, 300, 120, 40, 0, 1);
    for (Meter* meter : std::initializer_list<Meter*>{&noMax, &noBlocks, &negativeBlocks,
                                                      &tooNarrow, &segmentedNoMax}) {
        meter->SetValue(5);
        meter->Draw(*m_screen);
    }
    EXPECT_EQ(CountPixels(0), 800 * 600);
}

TEST_F(MeterTest, SegmentedBlocksAreCentredInTheFrameAndLitByTheValue) {
    // Default frame: x 150 to 250, y 104 to 144.
    SegmentedMeter meter(200, 100, 108, 48, 10, 1);
    meter.SetOutline(0, false);
    meter.SetColours(kBar, kBack);
    meter.SetBlockCount(10, false);
    meter.SetValue(10);
    meter.Draw(*m_screen);
    const auto runs = Runs(143, kBar);
    ASSERT_EQ(runs.size(), 10u);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(runs[i], std::make_pair(150 + 10 * i, 9));
    EXPECT_EQ(PixelAt(150, 136), kBar); // a ramp from a fifth of the height
    EXPECT_EQ(PixelAt(150, 135), 0);
    EXPECT_EQ(PixelAt(249 - 9, 104 + 4), kBar);

    ClearTo(0);
    meter.SetBlockCount(25, false); // too many for gaps
    meter.Draw(*m_screen);
    EXPECT_EQ(Runs(143, kBar), (std::vector<std::pair<int, int>>{{150, 100}}));

    ClearTo(0);
    meter.SetBlockCount(10, false);
    meter.SetMax(3);
    meter.SetValue(1);
    meter.SetStyle(Meter::kStyleBackFill);
    meter.Draw(*m_screen);
    EXPECT_EQ(Runs(143, kBar).size(), 3u);
    EXPECT_EQ(Runs(143, kBack).size(), 7u);
}

TEST_F(MeterTest, RoundedBarFillsAlongItsOpenSideEvenPastTheMaximum) {
    RoundedBarMeter meter(400, 100, 116, 40, 10, 1); // bar 100 long from x 350
    meter.SetBarColour(kBack);
    meter.SetTextColour(kBar);
    meter.SetValue(5);
    meter.Draw(*m_screen);
    EXPECT_EQ(Runs(100, kBar), (std::vector<std::pair<int, int>>{{350, 50}}));
    EXPECT_EQ(PixelAt(350, 140), kBack); // the rounded side is the bottom

    meter.SetValue(15);
    meter.Draw(*m_screen);
    EXPECT_EQ(Runs(103, kBar), (std::vector<std::pair<int, int>>{{350, 150}}));
}

// Upright, x 400 is where the back starts and the length is 100 - 3 steps; across, the bar
// runs 100 from x 350, filled 40, along the bottom edge at 140.
TEST_F(MeterTest, RoundedBarBackFillsTheEmptyPartOrFramesTheBar) {
    struct Case {
        int orientation, style;
        int x, y;         // a corner of what is drawn
        int nextX, nextY; // its neighbour outside
    };
    for (const Case& c : {Case{0, Meter::kStyleBackFill, 439, 149, 439, 150},
                          Case{1, Meter::kStyleBackFill, 390, 136, 389, 136},
                          Case{0, 2, 441, 177, 441, 178}, Case{1, 0, 391, 141, 392, 141}}) {
        SCOPED_TRACE(testing::Message() << "orientation " << c.orientation << " style " << c.style);
        ClearTo(0);
        RoundedBarMeter meter(400, 100, c.orientation ? 116 : 40, c.orientation ? 40 : 100, 10,
                              c.orientation);
        meter.SetColours(kBar, kBack);
        meter.SetStyle(c.style);
        meter.SetValue(4);
        m_screen->SetDrawColour(kBar);
        meter.DrawBack(*m_screen, 26);
        EXPECT_EQ(PixelAt(c.x, c.y), kBack);
        EXPECT_EQ(PixelAt(c.nextX, c.nextY), 0);
        EXPECT_EQ(m_screen->GetDrawColour(), kBar);
    }
}

} // namespace
