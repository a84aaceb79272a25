// The screens that start and end a game and the options, driven through the main loop from
// the title menu: a new game's party, game over and the game after it, the options file,
// and the credits their script writes.
#include "Library/core/struct.h"
#include "Library/core/tracked_new.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/interface_object.h"
#include "Library/interface/text_block.h"
#include "Library/scripts/global_timer_table.h"
#include "Library/sound/recording_sound_layer.h"
#include "Library/sound/sound_mgr.h"
#include "Library/world/tile_map.h"
#include "Source/entities/script_machine.h"
#include "Source/entities/soldier_entity.h"
#include "Source/screens/credits_panel.h"
#include "Source/screens/game_over_panel.h"
#include "Source/screens/new_game_panel.h"
#include "Source/screens/options_panel.h"
#include "Source/world/demo_game.h"
#include "Source/world/game_clock.h"
#include "Source/world/game_config.h"
#include "Source/world/log_mgr.h"
#include "tools/demoworld/menu_scripts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace testsupport;

constexpr Point kTitleNewGame{400, 262};
constexpr Point kTitleTutorial{400, 300};
constexpr Point kTitleOptions{400, 319};
constexpr Point kTitleCredits{400, 338};
constexpr Point kNewGameDone{653, 544};
constexpr Point kCancelOrDone{723, 544}; // new game's cancel; everyone else's "Done"
constexpr Point kLarge{196, 352};        // the options' view sizes
constexpr Point kEffectsKnobAtFull{647, 293};
constexpr Point kMusicKnobAtFull{647, 341};
constexpr int kSliderY = 293;

std::vector<std::string> Lines(const InfoPanel& panel) {
    std::vector<std::string> lines;
    for (int i = 0; i < panel.GetWindow().GetBlockCount(); ++i)
        lines.push_back(panel.GetWindow().GetBlock(i).GetText().c_str());
    return lines;
}

class SessionScreens : public DemoGame {
protected:
    // The tutorial's start, then back to the title the way a player leaves.
    void RunTutorialAndLeave() {
        RunTitleUntilMenu();
        Click(kTitleTutorial);
        Frame();
        ASSERT_EQ(Mode(), kModeStoryPage);
        g_gameMode->SetMode(kModeTitleMenu);
        Frames(2);
    }
    void OpenFromTitle(const Point& button, int mode) {
        Click(button);
        Frame();
        ASSERT_EQ(Mode(), mode);
    }
    void Press(int x, int y) {
        MoveTo(x, y);
        Push(Event(SDL_MOUSEBUTTONDOWN));
        Frame();
    }
    void Drag(int x, int y) {
        Push(Motion(x, y));
        Frame();
    }
    void Lift() {
        Push(Event(SDL_MOUSEBUTTONUP));
        Frame();
    }
    std::string ConfigBytes() const { return World().ReadFile("config.dat"); }
};

TEST_F(SessionScreens, ANewGameStartsWithTheStartingCharacterAloneAndCancelKeepsIt) {
    RunTutorialAndLeave();
    OpenFromTitle(kTitleNewGame, kModeNewGame);
    ASSERT_EQ(g_partyMgr->GetCount(), 1);
    EXPECT_EQ(Leader()->GetTemplateName(), NewGamePanel::kCharacter);
    EXPECT_EQ(PageAs<NewGamePanel>()->GetCharacter(), g_partyMgr->GetLeader());
    // The description scripts write the two panels: the character's, and the statistic's
    // under the pointer.
    EXPECT_EQ(Lines(*g_infoPanel4).size(), 1u);
    MoveTo(NewGamePanel::kSheetX + 10, NewGamePanel::kSheetY + 90); // "Hit Pts:"
    EXPECT_EQ(Lines(*g_infoPanel3),
              std::vector<std::string>{"Hit points: how much harm you can take."});
    Click(kCancelOrDone);
    Frame();
    EXPECT_EQ(Mode(), kModeTitleMenu);
    EXPECT_EQ(g_partyMgr->GetCount(), 1);

    OpenFromTitle(kTitleNewGame, kModeNewGame);
    EXPECT_EQ(g_partyMgr->GetCount(), 1) << "the title's next start empties the party again";
    Click(kNewGameDone);
    Frame();
    EXPECT_FALSE(g_loadSaveMgr->IsShowingErrorBox());
    EXPECT_EQ(Mode(), kModeStoryPage);
    EXPECT_EQ(LastMessage(), "New Game.");
    EXPECT_EQ(Leader()->GetTemplateName(), NewGamePanel::kCharacter);
}

// Game over keeps the game until the next start, which begins it afresh.
TEST_F(SessionScreens, AfterGameOverANewGameHasOneMemberAnEmptyJournalANewClockAndNoTimers) {
    StartOnDemoMap();
    ASSERT_TRUE(g_partyMgr->AddCharacterByName(kCharacter));
    g_logMgr->AddEntry("A topic", "of the game that ended");
    g_gameClock->SetDateTime(0, 0, 0, 12, 1, 6, 2003);
    g_gameTimeTimers->Start("old game", "alarm", 3600);
    g_realTimeTimers->Start("old game", "bell", 3600);
    g_gameMode->SetMode(kModeGameOver);
    Frame();
    ASSERT_NE(PageAs<GameOverPanel>(), nullptr);
    EXPECT_FALSE(PageAs<GameOverPanel>()->RunScript("")) << "the empty name loads nothing";
    Click(kCancelOrDone);
    Frame();
    ASSERT_EQ(Mode(), kModeTitleMenu);

    Frame();
    OpenFromTitle(kTitleNewGame, kModeNewGame);
    Click(kNewGameDone);
    Frame();
    ASSERT_EQ(Mode(), kModeStoryPage);
    EXPECT_EQ(g_partyMgr->GetCount(), 1);
    EXPECT_EQ(g_logMgr->CountTopics(), 0);
    EXPECT_EQ(g_gameClock->GetDateTime().GetYear(), 2001);
    EXPECT_FALSE(g_gameTimeTimers->IsRunning("old game", "alarm"));
    EXPECT_FALSE(g_realTimeTimers->IsRunning("old game", "bell"));
}

// A view size's radio answers over the whole box drawn for it, and its tick fills that box.
TEST_F(SessionScreens, AViewSizeIsChosenByAClickInTheLowerRightCornerOfItsBox) {
    RunTitleUntilMenu();
    OpenFromTitle(kTitleOptions, kModeOptions);
    const InterfaceObject& sizes = PageAs<OptionsPanel>()->GetSizeWindow();
    for (const uint32_t id : {OptionsPanel::kLarge, OptionsPanel::kSmall}) {
        const Rect radio = sizes.FindChild(id)->GetRect();
        const Point corner = FrameCorner({radio.x1, radio.y1});
        ASSERT_GT(corner.x - radio.x1, 10) << "the box is drawn where its radio stands";
        Click(corner.x - 1, corner.y - 1);
        Frame();
        EXPECT_EQ(g_config->GetViewSize(), static_cast<int>(id - OptionsPanel::kSmall));
        EXPECT_EQ(radio.x2, corner.x + 1) << "its tick is drawn over the box, no wider";
        EXPECT_EQ(radio.y2, corner.y + 1);
    }
}

TEST_F(SessionScreens, OptionsTakeEffectAtOnceAndReachTheFileOnlyThroughDone) {
    std::filesystem::remove(World().Path("config.dat"));
    RunTitleUntilMenu();
    OpenFromTitle(kTitleOptions, kModeOptions);
    Click(kLarge);
    Frame();
    EXPECT_EQ(g_config->GetViewSize(), 2);
    EXPECT_FALSE(std::filesystem::exists(World().Path("config.dat")));

    // Held past either end of its track, the effects slider stores its ends.
    Press(kEffectsKnobAtFull.x, kEffectsKnobAtFull.y);
    Drag(450, kSliderY);
    EXPECT_EQ(g_config->GetSampleVolume(), 0);
    Drag(684, kSliderY);
    EXPECT_EQ(g_config->GetSampleVolume(), 255);
    Drag(OptionsPanel::kTrackStart + 20, kSliderY); // 20 of the track's 172 pixels
    const int32_t effects = g_config->GetSampleVolume();
    EXPECT_EQ(effects, 30);
    Lift();
    EXPECT_FALSE(std::filesystem::exists(World().Path("config.dat")));

    Click(kCancelOrDone);
    Frame();
    EXPECT_EQ(Mode(), kModeTitleMenu);
    const std::string expected{2,
                               0,
                               0,
                               0,
                               static_cast<char>(effects),
                               0,
                               0,
                               0,
                               static_cast<char>(255),
                               0,
                               0,
                               0,
                               static_cast<char>(255),
                               0,
                               0,
                               0,
                               0,
                               0,
                               static_cast<char>(0x80),
                               0x3f};
    EXPECT_EQ(ConfigBytes(), expected);
    const GameConfig reread(World().Root().c_str(), nullptr, nullptr);
    EXPECT_EQ(reread.GetViewSize(), 2);
    std::filesystem::remove(World().Path("config.dat"));
}

// The test sounds on a layer whose channels end when the test says.
class OptionsSounds : public SessionScreens {
protected:
    class EndingLayer : public RecordingSoundLayer {
    public:
        using RecordingSoundLayer::RecordingSoundLayer;
        bool FSOUND_IsPlaying(int which) override { return playing && which >= 0; }
        bool playing = true;
    };

    void SetUp() override {
        SessionScreens::SetUp();
        std::filesystem::remove(World().Path("config.dat"));
        RunTitleUntilMenu(); // the first run's converter is done with the sound manager
        auto layer = std::make_unique<EndingLayer>(m_log);
        m_layer = layer.get();
        ReleaseObject(g_soundMgr);
        testing::internal::CaptureStdout();
        g_soundMgr = NEW SoundMgr(32, std::move(layer)); // the shutdown deletes it
        testing::internal::GetCapturedStdout();
        ReleaseObject(g_config); // it holds the sound manager it applies the levels to
        g_config = NEW GameConfig(g_gameMode->GetRootDir(), g_tileMap, g_soundMgr);
        OpenFromTitle(kTitleOptions, kModeOptions);
    }
    long Calls(const char* prefix) const { return CountCalls(m_log, prefix); }
    // The last call before the frame's listener update.
    std::string LastCall() const {
        auto call = std::find_if(m_log.rbegin(), m_log.rend(), [](const std::string& c) {
            return c.rfind("FSOUND_3D_", 0) != 0;
        });
        return call == m_log.rend() ? "" : *call;
    }

    std::vector<std::string> m_log; // outlives the manager, which the shutdown deletes
    EndingLayer* m_layer = nullptr;
};

TEST_F(OptionsSounds, TheEffectsTestFollowsItsSliderAndStartsAgainWhenItHasEnded) {
    Press(kEffectsKnobAtFull.x, kEffectsKnobAtFull.y); // the press clicks too
    ASSERT_EQ(std::count_if(m_log.begin(), m_log.end(),
                            [](const std::string& call) {
                                return call.find(OptionsPanel::kEffectsTest) != std::string::npos;
                            }),
              1);
    const long played = Calls("FSOUND_PlaySoundEx");
    Drag(OptionsPanel::kTrackStart + 20, kSliderY);
    EXPECT_EQ(Calls("FSOUND_PlaySoundEx"), played);
    EXPECT_EQ(LastCall(), "FSOUND_SetVolume(7, 30)");
    m_layer->playing = false;
    Drag(OptionsPanel::kTrackStart + 40, kSliderY);
    EXPECT_EQ(Calls("FSOUND_PlaySoundEx"), played + 1);
    Lift();
}

TEST_F(OptionsSounds, ReleasingTheSliderStopsTheMusicTestAtOnce) {
    const int musicY = kSliderY + 48;
    Press(kEffectsKnobAtFull.x, musicY);
    ASSERT_EQ(Calls("FSOUND_Stream_PlayEx"), 1);
    const long stops = Calls("FSOUND_Stream_Stop");
    Drag(OptionsPanel::kTrackStart + 20, musicY);
    EXPECT_EQ(Calls("FSOUND_Stream_Stop"), stops);
    Lift();
    EXPECT_GT(Calls("FSOUND_Stream_Stop"), stops);
}

TEST_F(SessionScreens, TheMusicSliderMovesTheMusicLevelAlone) {
    std::filesystem::remove(World().Path("config.dat"));
    RunTitleUntilMenu();
    OpenFromTitle(kTitleOptions, kModeOptions);
    const int32_t effects = g_config->GetSampleVolume();
    const int32_t master = g_config->GetMasterVolume();
    Press(kMusicKnobAtFull.x, kMusicKnobAtFull.y);
    Drag(450, kMusicKnobAtFull.y);
    EXPECT_EQ(g_config->GetSoundLevel2(), 0);
    Drag(OptionsPanel::kTrackStart + 20, kMusicKnobAtFull.y);
    EXPECT_EQ(g_config->GetSoundLevel2(), 30);
    Lift();
    EXPECT_EQ(g_config->GetSampleVolume(), effects);
    EXPECT_EQ(g_config->GetMasterVolume(), master);
    Click(kCancelOrDone);
    Frame();
    std::filesystem::remove(World().Path("config.dat"));
}

TEST_F(SessionScreens, OptionsFromAGameReturnToTheMenu) {
    StartOnDemoMap();
    g_gameMode->SetMode(kModeOptions);
    Frame();
    Click(kCancelOrDone);
    Frame();
    EXPECT_EQ(Mode(), kModeGameMenu);
    std::filesystem::remove(World().Path("config.dat"));
}

TEST_F(SessionScreens, TheCreditsShowExactlyTheirScriptsLines) {
    RunTutorialAndLeave();
    ASSERT_GT(g_infoPanel2->GetWindow().GetBlockCount(), 0) << "the page left its text";
    OpenFromTitle(kTitleCredits, kModeCredits);
    EXPECT_EQ(Lines(*g_infoPanel2), std::vector<std::string>(std::begin(MenuScripts::kCreditTexts),
                                                             std::end(MenuScripts::kCreditTexts)));
    Click(kCancelOrDone);
    Frame();
    EXPECT_EQ(Mode(), kModeTitleMenu);
}

TEST_F(SessionScreens, WithoutTheirScriptTheCreditsKeepThePanelAndStillLeave) {
    const std::filesystem::path aside = World().Path("game_credits.scr.aside");
    const bool packed = g_gameMode->GetUseResourceFiles();
    g_gameMode->SetUseResourceFiles(false); // the archive holds it too
    std::filesystem::rename(CompiledScriptPath(CreditsPanel::kScript).c_str(), aside);
    RunTitleUntilMenu();
    g_infoPanel2->Clear();
    g_infoPanel2->AddText("held before");
    OpenFromTitle(kTitleCredits, kModeCredits);
    EXPECT_EQ(Lines(*g_infoPanel2), std::vector<std::string>{"held before"});
    Click(kCancelOrDone);
    Frame();
    EXPECT_EQ(Mode(), kModeTitleMenu);
    std::filesystem::rename(aside, CompiledScriptPath(CreditsPanel::kScript).c_str());
    g_gameMode->SetUseResourceFiles(packed);
}

} // namespace
