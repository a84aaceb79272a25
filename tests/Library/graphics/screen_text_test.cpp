#include "Library/core/stringc.h"
#include "Library/core/tick_source.h"
#include "Library/files/date_time.h"
#include "Library/graphics/font.h"
#include "Library/graphics/frame_rate_meter.h"
#include "Library/graphics/screen.h"
#include "screen_fixture.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const Stringc& chain) {
    std::vector<std::string> lines;
    for (const Stringc* line = &chain; line; line = line->GetNext())
        lines.push_back(line->c_str());
    return lines;
}

class ScreenText : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        InstallFont();
        ASSERT_TRUE(m_screen->OpenFonts());
        m_advance = m_screen->TextWidth("m");
        ASSERT_GT(m_advance, 0);
    }
    std::vector<std::string> Wrap(const char* text, int maxWidth, bool byChar = false) {
        Stringc lines("stale");
        lines.AppendToChain("chain");
        const int count = byChar ? m_screen->WrapTextByChar(text, maxWidth, lines)
                                 : m_screen->WrapText(text, maxWidth, lines);
        EXPECT_EQ(count, lines.ChainCount());
        return Lines(lines);
    }

    int m_advance = 0; // the font is monospaced
};

using Split = std::vector<std::string>;

TEST_F(ScreenText, WordWrapBreaksBeforeTheWordThatOverflows) {
    const int twoWords = m_screen->TextWidth("one two ");
    EXPECT_EQ(Wrap("one two three", twoWords), (Split{"one two", "three"}));
    EXPECT_EQ(Wrap("one two three", twoWords - 1), (Split{"one", "two", "three"}));
    EXPECT_EQ(Wrap("one two three", 1000), (Split{"one two three"}));
    // A word wider than the line still makes a line of its own.
    EXPECT_EQ(Wrap("abcdefghij kl", 3 * m_advance), (Split{"abcdefghij", "kl"}));
}

TEST_F(ScreenText, NewlinesEndLinesAndBlankLinesStayInside) {
    EXPECT_EQ(Wrap("aa\n\nbb\n", 1000), (Split{"aa", "", "bb"}));
    EXPECT_EQ(Wrap("\naa", 1000), (Split{"aa"})); // a blank first line is dropped
    EXPECT_EQ(Wrap("", 1000), (Split{""}));
}

TEST_F(ScreenText, CharacterWrapSplitsByGlyphAdvance) {
    EXPECT_EQ(Wrap("abcdefgh", 3 * m_advance, true), (Split{"abc", "def", "gh"}));
    EXPECT_EQ(Wrap("ab cd", 2 * m_advance, true), (Split{"ab", "cd"}));
    // Characters above 127 are measured as themselves, not as negative codes.
    EXPECT_EQ(Wrap("\xE9\xE9\xE9\xE9", 3 * m_advance, true), (Split{"\xE9\xE9\xE9", "\xE9"}));
}

// Frames are counted over each second of ticks; the last whole count shows, after the layout.
TEST_F(ScreenText, TheFrameRateMeterShowsTheLastSecondsCount) {
    struct : TickSource {
        uint32_t GetTicks() override { return now; }
        uint32_t now = 5000;
    } ticks;
    FrameRateMeter meter(ticks);
    for (int frame = 1; frame <= 30; ++frame) {
        ticks.now += 34; // the 30th frame ends the second
        ClearTo(0);
        meter.Draw(*m_screen, 10, 20);
        EXPECT_EQ(meter.GetRate(), frame < 30 ? 0 : 30);
    }
    const auto drawn = DrawnPixels();
    ClearTo(0);
    m_screen->DrawText(10, 20, "565 30");
    EXPECT_EQ(DrawnPixels(), drawn);
}

TEST_F(ScreenText, DateTimePrintsTheTimeAndTheDateOneLineApart) {
    ClearTo(0);
    DateTime time;
    time.Set(5, 4, 3, 2, 1, 1, 2000);
    m_screen->PrintDateTime(10, 100, time);
    const int skip = m_screen->LineSkip();
    const int timeLine = CountInked(0, 100, 800, 100 + skip);
    const int dateLine = CountInked(0, 100 + skip, 800, 100 + 2 * skip);
    EXPECT_GT(timeLine, 0);
    EXPECT_GT(dateLine, 0);
    EXPECT_EQ(CountInked(0, 0, 800, 600), timeLine + dateLine);
}

} // namespace
