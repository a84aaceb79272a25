#include "Source/world/text_bubble_mgr.h"

#include "Library/core/test_stream_support.h"
#include "Library/geometry/map_view.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/rect.h"
#include "Library/graphics/screen_fixture.h"

#include <gtest/gtest.h>

namespace {

class Speaker : public TextBubbleMgr::Speaker, public MapView {
public:
    const Vector& GetPosition() const override { return position; }
    float GetHeight() const override { return 2.0f; }
    Vector GetPixelsPerUnit() const override { return Vector(16, 12, 1); }
    Vector GetViewOffset() const override { return Vector(0, 0, 0); }

    Vector position{20, 30, 0};
};

class Bubbles : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        InstallFont();
        ASSERT_TRUE(m_screen->OpenFonts());
    }

    Speaker m_speaker;
    TextBubbleMgr m_bubble{m_speaker};
};

// Shown above the head, (20, 30 - 2 - 1) in world units, pixel (320, 324), for its time; an
// empty line changes nothing; only the saved flag is stored.
TEST_F(Bubbles, ALineShowsAboveTheHeadForItsTimeAndOnlyTheFlagIsStored) {
    m_bubble.Say("Welcome to the vault.");
    m_bubble.SayAlt("");
    EXPECT_EQ(m_bubble.GetStyle(), 0);
    m_bubble.Update(4.9);
    ASSERT_TRUE(m_bubble.IsShowing());
    ClearTo(0);
    m_bubble.Draw(*m_screen, m_speaker, Rect::Make(0, 0, 800, 600));
    const ScreenPos& text = m_bubble.GetText().GetPosition();
    EXPECT_EQ(text.x + text.w / 2, 320);
    EXPECT_EQ(text.y + text.h, 324);
    EXPECT_EQ(PixelAt(text.x - 2, text.y), Colour(132, 234, 255).Pack16());
    m_bubble.Update(0.2);
    EXPECT_FALSE(m_bubble.IsShowing());

    EXPECT_EQ(StoredForm(m_bubble), Bytes{0x00});
    EXPECT_TRUE(ReadFrom(m_bubble, Bytes{0x01}));
    EXPECT_EQ(StoredForm(m_bubble), Bytes{0x01});
    EXPECT_FALSE(ReadFrom(m_bubble, Bytes{}));
}

// A line said again keeps its wrapping, in the bubble's font whatever the last drawing
// used; another line is wrapped anew.
TEST_F(Bubbles, ALineSaidAgainKeepsItsWrappingAndAnotherIsWrappedAnew) {
    const Stringc line("The pumps run dry when the vault sleeps and the lights go out.");
    m_bubble.SayAlt(line);
    const int lines = m_bubble.GetText().GetLineCount();
    const ScreenPos size = m_bubble.GetText().GetPosition();
    ASSERT_GT(lines, 1);
    m_bubble.Draw(*m_screen, m_speaker, Rect::Make(0, 0, 800, 600)); // in the box's font
    EXPECT_EQ(m_bubble.GetText().GetFont(), 0);

    m_bubble.Say(line);
    EXPECT_EQ(m_bubble.GetText().GetFont(), 1);
    EXPECT_EQ(m_bubble.GetText().GetLineCount(), lines);
    EXPECT_EQ(m_bubble.GetText().GetPosition().w, size.w);
    EXPECT_EQ(m_bubble.GetText().GetPosition().h, size.h);

    m_bubble.Say("Go.");
    EXPECT_EQ(m_bubble.GetText().GetLineCount(), 1);
    EXPECT_STREQ(m_bubble.GetText().GetLine(0).c_str(), "Go.");
    m_bubble.Say("go.");
    EXPECT_STREQ(m_bubble.GetText().GetLine(0).c_str(), "go.");
}

} // namespace
