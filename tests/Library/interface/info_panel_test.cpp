#include "Library/core/stringc.h"
#include "Library/graphics/update_rectangles.h"
#include "Library/interface/framed_info_panel.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/text_block.h"
#include "interface_fixture.h"

#include <string>

namespace {

class InfoPanels : public InterfaceTest {
protected:
    void Click(InfoPanel& panel, int pressY, int releaseY) {
        Push(Motion(5, pressY));
        Push(Button(SDL_MOUSEBUTTONDOWN));
        Push(Motion(5, releaseY));
        Push(Button(SDL_MOUSEBUTTONUP));
        Drain([&panel](const SDL_Event& event) { panel.HandleEvent(event); });
    }
    static std::string Text(const TextBlock& block) { return block.GetText().c_str(); }
};

TEST_F(InfoPanels, TheOldestLineGoesAtTheLimitAndTheNewestSitsAtTheBottom) {
    InfoPanel log(Rect{0, 0, 300, 200}, 0, 30, 5, 5);
    for (int i = 0; i <= 30; ++i)
        log.AddText(("line " + std::to_string(i)).c_str());
    const GtWindow& window = log.GetWindow();
    ASSERT_EQ(window.GetBlockCount(), 30);
    EXPECT_EQ(Text(window.GetBlock(0)), "line 1");
    const ScreenPos& newest = window.GetBlock(29).GetPosition();
    EXPECT_EQ(newest.y + newest.h, 200);

    // Cleared blocks are reused with nothing of their past.
    log.Highlight(0);
    log.Clear();
    log.AddText("fresh");
    EXPECT_FALSE(window.GetBlock(0).IsHighlighted());
    EXPECT_EQ(window.GetBlock(0).GetLine(1), "0");
}

TEST_F(InfoPanels, ACopiedTextBlockHoldsEveryLineOfItsOwn) {
    TextBlock block;
    block.SetFont(2);
    block.SetText(7, "one two three four five six", m_screen->TextWidth("three"));
    block.SetHighlight(true);
    ASSERT_GE(block.GetLineCount(), 4);
    TextBlock copy(block);
    TextBlock assigned;
    assigned.SetText(1, "a b c d e f g h", 1);
    assigned = block;
    block.SetText(8, "gone", 500);
    for (const TextBlock* other : {&copy, &assigned}) {
        EXPECT_EQ(other->GetId(), 7u);
        EXPECT_EQ(Text(*other), "one two three four five six");
        EXPECT_EQ(other->GetLine(0), "one");
        EXPECT_EQ(other->GetLine(3), "four");
        EXPECT_TRUE(other->IsHighlighted());
    }
}

TEST_F(InfoPanels, AClickedLineIsReportedOnce) {
    InfoPanel list(Rect{0, 0, 300, 200}, 1, 200, 1, 5);
    list.AddTextWithId(10, "first");
    list.AddTextWithId(11, "second");
    const int lineHeight = m_screen->FontHeight();

    Click(list, 3, 5);
    EXPECT_EQ(list.GetWindow().GetBlock(0).GetFont(), 5); // highlighted while clicked
    Stringc text;
    EXPECT_TRUE(list.TakeClickedText(text));
    EXPECT_STREQ(text.c_str(), "first");
    EXPECT_EQ(list.TakeClickedLine(), -1);
    EXPECT_EQ(list.GetWindow().GetBlock(0).GetFont(), 1);

    Click(list, lineHeight + 3, lineHeight + 3);
    EXPECT_EQ(list.TakeClickedLine(), 11);
    EXPECT_EQ(list.TakeClickedLine(), -1);

    // Pressed on one line and released on another: nothing, and no highlight.
    Click(list, 3, lineHeight + 3);
    EXPECT_EQ(list.TakeClickedLine(), -1);
    EXPECT_EQ(list.GetWindow().GetHighlightedId(), -1);
}

TEST_F(InfoPanels, ScrollingStepsEveryThirtyMillisecondsOfFrameTime) {
    InfoPanel list(Rect{0, 0, 300, 30}, 1, 200, 1, 5);
    for (int i = 0; i < 5; ++i)
        list.AddText("text");
    const auto top = [&list] { return list.GetWindow().GetBlock(0).GetPosition().y; };
    list.ScrollDown(33);
    list.ScrollDown(16);
    EXPECT_EQ(top(), 3);
    list.ScrollDown(16); // 30 ms gathered over frames
    EXPECT_EQ(top(), 6);
    // Up while the newest line's bottom is still below the top edge.
    for (int frame = 0; frame < 100; ++frame)
        list.ScrollUp(33);
    const ScreenPos& newest = list.GetWindow().GetBlock(4).GetPosition();
    EXPECT_LE(newest.y + newest.h, 0);
    EXPECT_GT(newest.y + newest.h, -GtWindow::kScrollStep);
    // Placing the panel where it already is, as the frame driver does every frame, keeps
    // the scroll position.
    const int scrolled = top();
    list.SetRect(Rect{0, 0, 300, 30});
    EXPECT_EQ(top(), scrolled);
}

// One line high: the newest line shows, the older ones above it not at all.
TEST_F(InfoPanels, TextIsDrawnOnlyInsideThePanel) {
    ClearTo(0);
    InfoPanel panel(Rect{100, 100, 160, 114}, 0, 30, 0, 0);
    panel.AddText("a long line of text that runs far past the right edge");
    panel.AddText("newest");
    panel.Draw(*m_screen);
    const int inside = CountInked(100, 100, 160, 114);
    EXPECT_GT(inside, 0);
    EXPECT_EQ(CountInked(0, 0, 800, 600), inside);
}

// The play screen's message box holds five lines and three rows: a sixth line, pushed up
// past its top edge by the newest, shows not even the foot of its letters, before a scroll
// step or after one, while the lines wholly inside are drawn whole.
TEST_F(InfoPanels, ALinePastTheTopEdgeShowsNothingAndTheLinesInsideShowWhole) {
    const Rect box{69, 523, 413, 596};
    const char* const kDeep = "gjpqy gjpqy";
    InfoPanel log(box, 0, 30, 5, 5);
    InfoPanel lastFive(box, 0, 30, 5, 5);
    log.AddText(kDeep);
    for (int line = 0; line < 5; ++line) {
        log.AddText(kDeep);
        lastFive.AddText(kDeep);
    }
    ASSERT_LT(log.GetWindow().GetBlock(0).GetPosition().y, box.y1);
    for (int step = 0; step < 2; ++step) {
        SCOPED_TRACE(step == 0 ? "laid out" : "scrolled down a step");
        ClearTo(0);
        lastFive.Draw(*m_screen);
        const auto whole = DrawnPixels();
        ClearTo(0);
        log.Draw(*m_screen);
        const int firstWholeLine = lastFive.GetWindow().GetBlock(0).GetPosition().y;
        EXPECT_EQ(CountInked(box.x1, box.y1, box.x2, firstWholeLine), 0);
        EXPECT_TRUE(DrawnPixels() == whole);
        log.ScrollDown(GtWindow::kScrollMs);
        lastFive.ScrollDown(GtWindow::kScrollMs);
    }
}

TEST_F(InfoPanels, AFramedPanelDrawsFromItsSecondFrameAndPutsTheScreenBack) {
    UpdateRectangles updates;
    g_updateRects = &updates;
    FramedInfoPanel box(Rect{0, 0, 10, 10}, 1, 10, 0, 0);
    box.SetRect(Rect{100, 100, 300, 200});
    EXPECT_EQ(box.GetRect().x1, 105);
    EXPECT_EQ(box.GetRect().y2, 195);
    box.AddText("hint");
    const uint16_t backdrop = 0x07E0;
    ClearTo(backdrop);

    box.SaveBackground(*m_screen);
    box.Draw(*m_screen);
    EXPECT_EQ(CountPixels(backdrop), 800 * 600);
    box.RestoreBackground(*m_screen);
    box.SaveBackground(*m_screen);
    box.Draw(*m_screen);
    EXPECT_EQ(PixelAt(100, 150), 0xFFE0); // the yellow frame
    EXPECT_NE(PixelAt(150, 190), backdrop);
    ASSERT_EQ(updates.GetCount(), 2); // the restored and the drawn area
    EXPECT_EQ(updates.GetRect(1).x, 100);
    EXPECT_EQ(updates.GetRect(1).w, 201);

    box.Move(400, 300); // the old place comes back from what was saved there
    box.RestoreBackground(*m_screen);
    EXPECT_EQ(CountPixels(backdrop), 800 * 600);
    EXPECT_EQ(box.GetRect().x1, 405);

    g_updateRects = nullptr;
}

// Shown or not, a panel holding no text is no panel: no frame, nothing saved or put back.
TEST_F(InfoPanels, AFramedPanelWithoutTextDrawsAndSavesNothing) {
    UpdateRectangles updates;
    g_updateRects = &updates;
    FramedInfoPanel box(Rect{100, 100, 300, 200}, 1, 10, 0, 0);
    const uint16_t backdrop = 0x07E0;
    ClearTo(backdrop);
    for (int frame = 0; frame < 3; ++frame) {
        box.SaveBackground(*m_screen);
        box.Draw(*m_screen);
        box.RestoreBackground(*m_screen);
    }
    EXPECT_TRUE(box.IsVisible());
    EXPECT_FALSE(box.IsShown());
    EXPECT_EQ(CountPixels(backdrop), 800 * 600);
    EXPECT_EQ(updates.GetCount(), 0);

    box.AddText("hint");
    box.Draw(*m_screen); // the first drawn, as ever, only readies the panel
    box.Draw(*m_screen);
    EXPECT_EQ(PixelAt(100, 150), 0xFFE0);
    g_updateRects = nullptr;
}

} // namespace
