#include "Source/world/view_port_string_mgr.h"

#include "Library/geometry/map_view.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/screen_fixture.h"
#include "Library/world/game_mode.h"
#include "Source/game_events.h"

#include <gtest/gtest.h>

namespace {

// A view scrolled 100 pixels right and 40 down.
class ScrolledView : public MapView {
public:
    Vector GetPixelsPerUnit() const override { return Vector(16, 12, 1); }
    Vector GetViewOffset() const override { return Vector(100.7f, 40.2f, 0); }
};

class ViewPortStrings : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        InstallFont();
        ASSERT_TRUE(m_screen->OpenFonts());
        m_game = std::make_unique<GameMode>();
        m_game->SetTickSource(m_clock);
        m_game->SetMode(kModeAreaMap);
        m_game->ApplyPendingMode();
        m_strings = std::make_unique<ViewPortStringMgr>(*m_game, m_view, *m_screen);
    }
    void Frames(int count) {
        for (int frame = 0; frame < count; ++frame) {
            m_clock.now += 33;
            m_game->UpdateFrameTime();
            m_strings->Update();
        }
    }

    testsupport::ManualClock m_clock;
    ScrolledView m_view;
    std::unique_ptr<GameMode> m_game;
    std::unique_ptr<ViewPortStringMgr> m_strings;
};

TEST_F(ViewPortStrings, AStringPlacedAgainLivesOnIsBoxedAndNoneAgesWhilePaused) {
    m_strings->Add(20, 3, "Hello");
    ASSERT_EQ(m_strings->Count(), 1);
    EXPECT_EQ(m_strings->Get(0)->position.x, 120);
    EXPECT_EQ(m_strings->Get(0)->position.y, 3 * m_screen->FontHeight() + 40);
    for (int second = 0; second < 3; ++second) {
        Frames(20);
        m_strings->Add(20, 3, "Hello");
    }
    m_strings->Add(20, 4, "Hello");
    EXPECT_EQ(m_strings->Count(), 2);

    ClearTo(0x1234);
    m_strings->Draw(*m_screen); // boxed in black, framed in yellow
    const int x = m_strings->Get(0)->position.x + 3, y = m_strings->Get(0)->position.y + 1;
    EXPECT_EQ(PixelAt(x - 3, y), Colour(255, 255, 0).Pack16());
    EXPECT_EQ(PixelAt(x - 2, y), 0);

    m_game->SetPaused(true);
    Frames(100);
    EXPECT_EQ(m_strings->Count(), 2);
    m_game->SetPaused(false);
    Frames(31);
    EXPECT_EQ(m_strings->Count(), 0);

    m_game->SetMode(kModeWorldMap);
    m_game->ApplyPendingMode();
    m_strings->Add(20, 3, "Hello");
    EXPECT_EQ(m_strings->Count(), 0); // only on the area map
}

} // namespace
