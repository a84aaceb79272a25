// The frame driver on the demo world: a mode whose screen is missing, or refuses what it was
// asked to show, leads back to where the game was instead of a screen nothing leads out of.
#include "Source/loops.h"

#include "Library/world/game_mode.h"
#include "Library/world/mode_page.h"
#include "Library/world/mode_pages.h"
#include "Source/screens/game_play_panel.h"
#include "Source/screens/main_panel.h"
#include "Source/world/demo_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

using namespace testsupport;

// The mode's page as it is before its screen is built (no factory), or as a screen that
// declines its arguments (a factory that makes nothing), for one test.
class PageTakenAway {
public:
    PageTakenAway(int mode, bool declines)
        : m_mode(mode),
          m_saved(Loops::GetModePages().SetFactory(
              mode, declines ? ModePages::Factory([](const ModeRecord&) {
                  return std::unique_ptr<ModePage>();
              })
                             : ModePages::Factory())) {}
    ~PageTakenAway() { Loops::GetModePages().SetFactory(m_mode, m_saved); }

private:
    int m_mode;
    ModePages::Factory m_saved;
};

class MissingScreen : public DemoGame {
protected:
    // Asks for the mode and runs until the driver settles; what it said on standard error.
    std::string Ask(int mode) {
        testing::internal::CaptureStderr();
        g_gameMode->SetMode(mode);
        Frames(3);
        return testing::internal::GetCapturedStderr();
    }
    static int Lines(const std::string& text) {
        return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    }
};

TEST_F(MissingScreen, OnTheMapEveryModeWithoutItsScreenLeadsBackToThePlayScreen) {
    StartOnDemoMap();
    for (int mode = kModeEditorMenu; mode <= kModeGameOver; ++mode) {
        if (mode == kModeStoryPage || mode == kModeAreaMap)
            continue;
        SCOPED_TRACE(mode);
        const PageTakenAway away(mode, false);
        const std::string said = Ask(mode);
        EXPECT_EQ(Mode(), kModeAreaMap);
        EXPECT_NE(PageAs<GamePlayPanel>(), nullptr);
        EXPECT_EQ(Lines(said), 1) << said;
        EXPECT_NE(said.find(std::to_string(mode)), std::string::npos) << said;
    }
}

TEST_F(MissingScreen, AnInventoryOrTradeThatRefusesItsEntityLeadsBackToThePlayScreen) {
    StartOnDemoMap();
    for (int mode : {kModeChosenInventory, kModeTrade}) {
        SCOPED_TRACE(mode);
        const PageTakenAway refusing(mode, true);
        EXPECT_EQ(Lines(Ask(mode)), 1);
        EXPECT_EQ(Mode(), kModeAreaMap);
        EXPECT_NE(PageAs<GamePlayPanel>(), nullptr);
    }
}

TEST_F(MissingScreen, OnAStoryPageItLeadsBackToThePageAndOutsideAGameToTheTitle) {
    const PageTakenAway away(kModeRest, false);
    EXPECT_EQ(Lines(Ask(kModeRest)), 1);
    EXPECT_EQ(Mode(), kModeTitleMenu);
    EXPECT_NE(PageAs<MainPanel>(), nullptr);
    const PageTakenAway noEditor(kModeMapEditor, false);
    EXPECT_EQ(Lines(Ask(kModeMapEditor)), 1);
    EXPECT_EQ(Mode(), kModeTitleMenu);

    g_gameMode->SetMode(kModeStoryPage);
    Frame();
    EXPECT_EQ(Lines(Ask(kModeRest)), 1);
    EXPECT_EQ(Mode(), kModeStoryPage);
    EXPECT_NE(PageAs<GamePlayPanel>(), nullptr);
}

// Mode 0 carries the fatal error box and mode 2 is no screen at all: both stay, unreported.
TEST_F(MissingScreen, ModesZeroAndTwoStayWithoutAScreen) {
    StartOnDemoMap();
    for (int mode : {kModeNone, kModeNoPage}) {
        SCOPED_TRACE(mode);
        EXPECT_EQ(Ask(mode), "");
        EXPECT_EQ(Mode(), mode);
        EXPECT_EQ(Page(), nullptr);
    }
}

} // namespace
