// The in-game menu and the load and save screens, driven through the main loop in a game
// on the demo map: the refusals to save, saving into a slot with its description, loading
// it back, and leaving the game for the title menu.
#include "Source/screens/menu_panel.h"

#include "Library/graphics/graphic.h"
#include "Library/interface/edit_box.h"
#include "Library/interface/framed_info_panel.h"
#include "Library/interface/message_box.h"
#include "Library/interface/mouse_mgr.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_data.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "Source/screens/game_play_panel.h"
#include "Source/screens/load_save_panel.h"
#include "Source/screens/main_panel.h"
#include "Source/world/demo_game.h"
#include "Source/world/map_state_bytes.h"
#include "platform/win_rand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace testsupport;

// The menu's buttons, 19 pixels apart, and the boxes' buttons in the middle of the screen.
constexpr Point kSave{399, 250};
constexpr Point kLoad{399, 269};
constexpr Point kExitGame{399, 307};
constexpr Point kBack{399, 326};
constexpr Point kBoxOk{403, 356};
constexpr Point kBoxYes{361, 356};
constexpr Point kBoxNo{439, 356};
constexpr Point kDescriptionOk{361, 356};
constexpr Point kDescriptionCancel{439, 356};
// The load and save screen's own.
constexpr Point kSlotsOk{653, 544};
constexpr Point kSlotsCancel{723, 544};
constexpr Point kTitleLoad{400, 281};
constexpr Point kTitleTutorial{400, 300};
constexpr Point kTitleNewGame{400, 262};
constexpr Point kNewGameDone{653, 544};
constexpr Point kCharacterButton{31, 538};
constexpr Point kSheetDone{720, 544};
const Vector kFarFromTheGate(68.5f, 27.5f, 0.0f);

class GameMenu : public DemoGame {
protected:
    // On the map with the world held still, so nothing but the test changes it.
    void StartPlaying() {
        StartOnDemoMap();
        g_gameMode->SetPaused(true);
        Frame();
    }
    void OpenMenu() {
        Release(SDLK_ESCAPE);
        Frame();
        ASSERT_EQ(Mode(), kModeGameMenu);
        ASSERT_NE(Menu(), nullptr);
    }
    MenuPanel* Menu() const { return PageAs<MenuPanel>(); }
    LoadSavePanel* Slots() const { return PageAs<LoadSavePanel>(); }
    void ClickSlot(int index) {
        const Rect line = Slots()->TitleRect(index);
        Click((line.x1 + line.x2) / 2, (line.y1 + line.y2) / 2);
    }
    // From the map or the page: the menu, the save screen, the slot, and the description
    // typed over what the box offers.
    void SaveToSlot(int index, const char* description, int backTo = kModeAreaMap) {
        OpenMenu();
        Click(kSave);
        Frame();
        ASSERT_EQ(Mode(), kModeSaveGame);
        ClickSlot(index);
        Click(kSlotsOk);
        ASSERT_EQ(Slots()->GetState(), LoadSavePanel::kTyping);
        Erase(static_cast<int>(Slots()->GetDescriptionBox().GetText().Length()));
        Type(description);
        Click(kDescriptionOk);
        Frames(2); // the box reports its button a frame later
        ASSERT_EQ(Mode(), backTo);
    }
    // From the title menu or in a game, through the load screen.
    void LoadSlot(int index, int backTo) {
        if (Mode() != kModeTitleMenu)
            OpenMenu();
        Click(Mode() == kModeTitleMenu ? kTitleLoad : kLoad);
        Frame();
        ASSERT_EQ(Mode(), kModeLoadGame);
        ClickSlot(index);
        Click(kSlotsOk);
        Frames(3);
        ASSERT_EQ(Mode(), backTo);
    }
    std::map<std::string, std::string> SlotFiles(int slot) const {
        std::map<std::string, std::string> files;
        char name[16];
        std::snprintf(name, sizeof name, "SaveGame/slot%02d", slot);
        for (const auto& entry : std::filesystem::directory_iterator(World().Path(name)))
            files[entry.path().filename().string()] =
                World().ReadFile(std::string(name) + "/" + entry.path().filename().string());
        return files;
    }
    static CreatureData& LeaderData() { return Creature::Of(Leader())->GetData(); }
    // The tutorial panel's yellow frame on the screen: its whole left edge.
    bool TutorialFrameDrawn() const {
        const Rect& frame = g_tutorialPanel->GetFrame();
        for (int y = frame.y1 + 1; y < frame.y2; ++y)
            if (PixelAt(frame.x1, y) != Packed(255, 255, 0))
                return false;
        return true;
    }
};

TEST_F(GameMenu, SavingIsRefusedInCombatAndWhileFleeingWithTheCombatToldFirst) {
    StartPlaying();
    struct Case {
        const char* name;
        bool combat;
        bool fleeing;
        const char* said;
    };
    for (const Case& c : {Case{"combat", true, false, MenuPanel::kCombatText},
                          Case{"fleeing", false, true, MenuPanel::kFleeingText},
                          Case{"both", true, true, MenuPanel::kCombatText}}) {
        SCOPED_TRACE(c.name);
        OpenMenu();
        if (c.fleeing)
            g_partyMgr->StartFlee("demo", "gate"); // which starts the countdown too
        if (c.combat)
            g_entityMgr->StartCombatCountdown();
        else
            g_entityMgr->StopCombatCountdown();
        Click(kSave);
        Frame();
        EXPECT_EQ(Mode(), kModeGameMenu);
        ASSERT_EQ(Menu()->GetState(), MenuPanel::kNoticeShown);
        EXPECT_EQ(Menu()->GetNoticeBox().GetText(), c.said);
        Click(kBoxOk);
        EXPECT_EQ(Menu()->GetState(), MenuPanel::kMenu);
        Click(kBack);
        Frame();
        ASSERT_EQ(Mode(), kModeAreaMap);
        // A new map ends the flight, and with it the refusal.
        g_loadSaveMgr->RequestMapToMap("demo", "gate");
        Frame();
        g_entityMgr->StopCombatCountdown();
        ASSERT_FALSE(g_partyMgr->IsFleeing());
    }
}

TEST_F(GameMenu, ASaveNamesItsSlotAndKeepsItsDescriptionWhichTheNextSaveOffers) {
    StartPlaying();
    OpenMenu();
    Click(kSave);
    Frame();
    ASSERT_EQ(Mode(), kModeSaveGame);
    for (int index = 0; index < LoadSavePanel::kSlots; ++index) {
        char title[24];
        std::snprintf(title, sizeof title, "Save Slot %02d:", index + 1);
        EXPECT_EQ(Slots()->GetTitle(index), title);
        EXPECT_EQ(Slots()->GetDescription(index), LoadSavePanel::kEmptyText);
    }
    // Each slot's two lines, three lines of 14 pixels apart, from y 96.
    EXPECT_EQ(Slots()->TitleRect(0).y1, 96);
    EXPECT_EQ(Slots()->DescriptionRect(0).y1, 110);
    EXPECT_EQ(Slots()->TitleRect(9).y1, 96 + 9 * 42);

    Click(kSlotsOk); // nothing chosen: nothing happens
    EXPECT_EQ(Slots()->GetState(), LoadSavePanel::kChoosingToSave);
    Click(10, 300); // beside every slot: still nothing chosen
    EXPECT_EQ(Slots()->GetSelected(), -1);
    ClickSlot(0);
    EXPECT_EQ(Slots()->GetSelected(), 0);
    Click(kSlotsOk);
    ASSERT_EQ(Slots()->GetState(), LoadSavePanel::kTyping);
    EXPECT_EQ(Slots()->GetDescriptionBox().GetText(), "");
    Type("at the gate");
    Click(kDescriptionOk);
    Frames(2);
    ASSERT_EQ(Mode(), kModeAreaMap);
    EXPECT_EQ(LastMessage(), "Game Saved.");

    OpenMenu();
    Click(kSave);
    Frame();
    EXPECT_EQ(Slots()->GetDescription(0), "at the gate");
    const auto saved = SlotFiles(1);
    ClickSlot(0);
    Click(kSlotsOk);
    EXPECT_EQ(Slots()->GetDescriptionBox().GetText(), "at the gate");
    Type(" again");
    Click(kDescriptionCancel); // back to the slots, the box emptied and nothing saved
    Frame();
    EXPECT_EQ(Slots()->GetState(), LoadSavePanel::kChoosingToSave);
    EXPECT_EQ(Slots()->GetDescriptionBox().GetText(), "");
    Click(kSlotsCancel);
    Frame();
    EXPECT_EQ(Mode(), kModeGameMenu);
    EXPECT_EQ(SlotFiles(1), saved);
}

TEST_F(GameMenu, LoadingASlotBringsThePartyBackAsSaved) {
    StartPlaying();
    const Vector savedAt = Leader()->GetPosition();
    const float savedHitPoints = LeaderData().GetHitPoints();
    SaveToSlot(0, "before the walk");
    g_gameMode->SetPaused(true);
    Leader()->SetPosition(Vector(savedAt.x + 6, savedAt.y + 9, 0));
    LeaderData().AddHitPoints(-5);

    OpenMenu();
    Click(kLoad);
    Frame();
    ASSERT_EQ(Mode(), kModeLoadGame);
    EXPECT_EQ(Slots()->GetTitle(0), "Load Slot 01:");
    const std::string said = LastMessage();
    const int messages = MessageCount();
    ClickSlot(1); // empty: OK stays, asks for nothing and says nothing
    Click(kSlotsOk);
    Frames(2);
    EXPECT_EQ(Mode(), kModeLoadGame);
    EXPECT_EQ(MessageCount(), messages);
    EXPECT_EQ(LastMessage(), said);
    ClickSlot(0);
    Click(kSlotsOk);
    Frame();
    ASSERT_EQ(Mode(), kModeAreaMap);
    EXPECT_EQ(LastMessage(), "Game Loaded.");
    EXPECT_FLOAT_EQ(Leader()->GetPosition().x, savedAt.x);
    EXPECT_FLOAT_EQ(Leader()->GetPosition().y, savedAt.y);
    EXPECT_FLOAT_EQ(LeaderData().GetHitPoints(), savedHitPoints);
}

// A description too long for the list is cut to the parchment there, the background beside
// it left as it was, and written in the chosen slot's colour once chosen; the slot and the
// save box keep it whole.
TEST_F(GameMenu, ALongDescriptionIsCutOnTheListAndKeptWholeInTheSlot) {
    StartPlaying();
    const char* const kLong = "by the gate, the potion and the sword left lying, the crate "
                              "opened and the scientist still waiting in his house";
    const auto besideTheLeaf = [this] {
        const Rect line = Slots()->DescriptionRect(0);
        constexpr int kHalf = LoadSavePanel::kLineWidth / 2;
        std::vector<uint16_t> pixels = PixelsIn(Rect::Make(10, line.y1, 400 - kHalf, line.y2));
        const std::vector<uint16_t> right =
            PixelsIn(Rect::Make(400 + kHalf, line.y1, 790, line.y2));
        pixels.insert(pixels.end(), right.begin(), right.end());
        return pixels;
    };
    OpenMenu();
    Click(kLoad);
    Frame();
    ASSERT_EQ(Mode(), kModeLoadGame);
    const std::vector<uint16_t> empty = besideTheLeaf();
    Click(kSlotsCancel);
    Frame();
    Click(kBack);
    Frame();
    SaveToSlot(0, kLong);

    OpenMenu();
    Click(kLoad);
    Frame();
    ASSERT_EQ(Mode(), kModeLoadGame);
    EXPECT_EQ(Slots()->GetDescription(0), kLong);
    const Rect line = Slots()->DescriptionRect(0);
    EXPECT_GE(line.x1, 400 - LoadSavePanel::kLineWidth / 2);
    EXPECT_LE(line.x2, 400 + LoadSavePanel::kLineWidth / 2);
    EXPECT_GT(line.x2 - line.x1, LoadSavePanel::kLineWidth * 9 / 10) << "cut, not dropped";
    EXPECT_TRUE(besideTheLeaf() == empty) << "drawn over the background beside the list";

    // Chosen, it is cut the same and written in the chosen slot's blue alone, none of the
    // others' black.
    const auto inkOf = [](const std::vector<uint16_t>& pixels, uint16_t colour) {
        return std::count(pixels.begin(), pixels.end(), colour);
    };
    ASSERT_GT(inkOf(PixelsIn(line), Packed(0, 0, 0)), 20);
    ClickSlot(0);
    Frame();
    const Rect chosen = Slots()->DescriptionRect(0);
    EXPECT_EQ(chosen.x2 - chosen.x1, line.x2 - line.x1);
    EXPECT_GT(inkOf(PixelsIn(chosen), Packed(0, 0, 255)), 20);
    EXPECT_EQ(inkOf(PixelsIn(chosen), Packed(0, 0, 0)), 0);

    Click(kSlotsCancel);
    Frame();
    Click(kSave);
    Frame();
    ClickSlot(0);
    Click(kSlotsOk);
    ASSERT_EQ(Slots()->GetState(), LoadSavePanel::kTyping);
    EXPECT_EQ(Slots()->GetDescriptionBox().GetText(), kLong);
}

// A slot whose map state counts one explored cell more than its map has would fail once the
// map is entered: it is refused when chosen, and the game in play goes on as it was.
TEST_F(GameMenu, ASlotWhoseMapStateDoesNotFitItsMapIsRefusedWithTheGameAsItWas) {
    StartPlaying();
    SaveToSlot(0, "misfit");
    const auto cells = static_cast<uint32_t>(g_tileMap->GetWidth() * g_tileMap->GetHeight());
    const std::string saved = World().ReadFile("SaveGame/slot01/demo.sav");
    const std::string forged = WithOneExploredCellMore(saved, cells);
    ASSERT_FALSE(forged.empty());
    World().WriteFile("SaveGame/slot01/demo.sav", forged);
    g_gameMode->SetPaused(true);
    const Vector walkedTo = Leader()->GetPosition() + Vector(3, 2, 0);
    Leader()->SetPosition(walkedTo);

    OpenMenu();
    Click(kLoad);
    Frame();
    ASSERT_EQ(Mode(), kModeLoadGame);
    ClickSlot(0);
    Click(kSlotsOk);
    Frames(2);
    EXPECT_FALSE(g_loadSaveMgr->IsShowingErrorBox());
    EXPECT_EQ(LastMessage(), "The game saved in slot 1 cannot be read.");
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "demo");
    ASSERT_EQ(g_partyMgr->GetCount(), 1);
    EXPECT_EQ(Leader()->GetPosition(), walkedTo);
    World().WriteFile("SaveGame/slot01/demo.sav", saved);
}

// Out of the game on the title menu, Load enters the saved game where it was saved.
TEST_F(GameMenu, ASlotLoadedFromTheTitleEntersTheGameAtTheSavedPlace) {
    StartPlaying();
    const Vector savedAt = Leader()->GetPosition();
    SaveToSlot(0, "at the start");
    OpenMenu();
    Click(kExitGame);
    Click(kBoxYes);
    Frame();
    ASSERT_EQ(Mode(), kModeTitleMenu);
    ASSERT_EQ(g_partyMgr->GetCount(), 0);

    RunTitleUntilMenu();
    Click(kTitleLoad);
    Frame();
    ASSERT_EQ(Mode(), kModeLoadGame);
    ClickSlot(0);
    Click(kSlotsOk);
    Frame();
    ASSERT_EQ(Mode(), kModeAreaMap);
    EXPECT_TRUE(g_gameMode->IsInGame());
    ASSERT_EQ(g_partyMgr->GetCount(), 1);
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "demo");
    EXPECT_FLOAT_EQ(Leader()->GetPosition().x, savedAt.x);
    EXPECT_FLOAT_EQ(Leader()->GetPosition().y, savedAt.y);
}

// Out of the game, a slot that cannot be read is refused on the title's load screen itself,
// in a box over the slots whose OK leaves the player choosing again.
TEST_F(GameMenu, ASlotRefusedFromTheTitleIsToldOnTheLoadScreen) {
    World().WriteFile("SaveGame/slot06/plrdata.sav", std::string{3, 0, 'a', 'b'});
    RunTitleUntilMenu();
    Click(kTitleLoad);
    Frame();
    ASSERT_EQ(Mode(), kModeLoadGame);
    ClickSlot(5);
    const Rect box = Slots()->GetRefusalBox().GetRect();
    const std::vector<uint16_t> slots = PixelsIn(box);
    Click(kSlotsOk);
    Frames(2);
    ASSERT_EQ(Mode(), kModeLoadGame);
    ASSERT_EQ(Slots()->GetState(), LoadSavePanel::kRefusalShown);
    EXPECT_EQ(Slots()->GetRefusalBox().GetText(), "The game saved in slot 6 cannot be read.");
    EXPECT_NE(PixelsIn(box), slots) << "the box stands over the slots";

    Click(kBoxOk);
    Frames(2);
    EXPECT_EQ(Slots()->GetState(), LoadSavePanel::kChoosingToLoad);
    EXPECT_EQ(PixelsIn(box), slots);
    Click(kSlotsCancel);
    Frame();
    EXPECT_EQ(Mode(), kModeTitleMenu);
    std::filesystem::remove_all(World().Path("SaveGame/slot06"));
}

// The tutorial panel's text comes from the tutorial's start alone: in a tutorial game saved
// once the panel was put away and loaded after the program starts again, the empty panel
// shows nothing, while the game stays the tutorial.
TEST_F(GameMenu, ATutorialLoadedAfterARestartBringsNoEmptyPanelBack) {
    RunTitleUntilMenu();
    Click(kTitleTutorial);
    Frames(3);
    Release(SDLK_1); // the page's way to the gate
    Frames(2);
    ASSERT_EQ(Mode(), kModeAreaMap);
    ASSERT_TRUE(TutorialFrameDrawn());
    ASSERT_TRUE(TeleportEntity(*Leader(), kFarFromTheGate));
    Frames(40);
    ASSERT_FALSE(TutorialFrameDrawn());
    SaveToSlot(0, "in the yard");

    Stop();
    Start();
    RunTitleUntilMenu();
    Click(kTitleLoad);
    Frame();
    ClickSlot(0);
    Click(kSlotsOk);
    Frames(3);
    ASSERT_EQ(Mode(), kModeAreaMap);
    EXPECT_TRUE(g_loadSaveMgr->IsTutorialActive());
    EXPECT_FALSE(TutorialFrameDrawn());
}

// In one session the tutorial's panel comes back with a load only where it showed when the
// game was saved; put away by the gate's script once loaded, it goes as it went before.
TEST_F(GameMenu, ALoadedTutorialShowsItsPanelOnlyWhereItShowedWhenSaved) {
    const Vector gate(49.5f, 43, 0);
    RunTitleUntilMenu();
    Click(kTitleTutorial);
    Frames(3);
    Release(SDLK_1);
    Frames(2);
    ASSERT_EQ(Mode(), kModeAreaMap);
    ASSERT_TRUE(TutorialFrameDrawn());
    SaveToSlot(0, "by the gate");
    ASSERT_TRUE(TeleportEntity(*Leader(), gate + Vector(0, 9, 0)));
    Frames(40);
    ASSERT_FALSE(TutorialFrameDrawn());
    SaveToSlot(1, "past the gate");

    LoadSlot(1, kModeAreaMap);
    EXPECT_TRUE(g_loadSaveMgr->IsTutorialActive());
    EXPECT_FALSE(TutorialFrameDrawn());
    ASSERT_TRUE(TeleportEntity(*Leader(), gate + Vector(0, 14, 0)));
    Frames(40);
    EXPECT_FALSE(TutorialFrameDrawn()) << "far from the gate";

    LoadSlot(0, kModeAreaMap);
    EXPECT_TRUE(TutorialFrameDrawn());
    EXPECT_GT(g_tutorialPanel->GetWindow().GetBlockCount(), 0);
    ASSERT_TRUE(TeleportEntity(*Leader(), gate + Vector(0, 9, 0)));
    Frames(40);
    EXPECT_FALSE(TutorialFrameDrawn()) << "the gate's script puts it away again";
}

// The page's picture is drawn once, when the page starts: every screen over the page, a save
// and a load, in the same run or the next, bring the page back with that picture.
TEST_F(GameMenu, TheStoryPageKeepsItsPictureOverEveryScreenAndThroughASaveAndALoad) {
    const Rect picture{97, 105, 290, 465}; // its left part, clear of the message box
    const auto shown = [&] {
        const Graphic* page = PageAs<GamePlayPanel>()->GetPagePicture();
        return page ? std::string(page->GetFullPath().c_str()) : std::string();
    };
    platform::SeedRand(7);
    RunTitleUntilMenu();
    Click(kTitleNewGame);
    Frame();
    Click(kNewGameDone);
    Frames(2);
    ASSERT_EQ(Mode(), kModeStoryPage);
    const std::string started = shown();
    ASSERT_NE(started, "");
    const std::vector<uint16_t> pixels = PixelsIn(picture);

    OpenMenu();
    Click(kBack);
    Frames(2);
    ASSERT_EQ(Mode(), kModeStoryPage);
    EXPECT_EQ(shown(), started) << "back from the menu";
    EXPECT_EQ(PixelsIn(picture), pixels);
    Click(kCharacterButton);
    Frame();
    ASSERT_EQ(Mode(), kModeCharacterSheet);
    Click(kSheetDone);
    Frames(2);
    ASSERT_EQ(Mode(), kModeStoryPage);
    EXPECT_EQ(shown(), started) << "back from the character sheet";
    SaveToSlot(2, "on the page", kModeStoryPage);
    EXPECT_EQ(shown(), started) << "saved";
    EXPECT_EQ(PixelsIn(picture), pixels);

    for (const unsigned seed : {1u, 2u, 3u}) {
        platform::SeedRand(seed);
        LoadSlot(2, kModeStoryPage);
        EXPECT_EQ(shown(), started) << "loaded, seed " << seed;
    }
    EXPECT_EQ(PixelsIn(picture), pixels);
    Stop();
    Start();
    RunTitleUntilMenu();
    LoadSlot(2, kModeStoryPage);
    EXPECT_EQ(shown(), started) << "loaded in the next run";
}

TEST_F(GameMenu, CancelLeadsBackToTheMenuInAGameAndToTheTitleOutsideOne) {
    RunTitleUntilMenu();
    Click(kTitleLoad);
    Frame();
    ASSERT_EQ(Mode(), kModeLoadGame);
    Click(kSlotsCancel);
    Frame();
    EXPECT_EQ(Mode(), kModeTitleMenu);

    StartPlaying();
    OpenMenu();
    Click(kLoad);
    Frame();
    Click(kSlotsCancel);
    Frame();
    EXPECT_EQ(Mode(), kModeGameMenu);
}

TEST_F(GameMenu, BackReturnsToTheMapOrToTheStoryPage) {
    StartPlaying();
    OpenMenu();
    Click(kBack);
    Frame();
    EXPECT_EQ(Mode(), kModeAreaMap);

    g_gameMode->SetMode(kModeStoryPage);
    Frame();
    g_gameMode->SetMode(kModeGameMenu);
    Frame();
    Click(kBack);
    Frame();
    EXPECT_EQ(Mode(), kModeStoryPage);
}

// Leaving frees the game's map, party and cursor while the menu is still on the screen.
TEST_F(GameMenu, LeavingAsksFirstAndTwoEscapesLeaveAtOnce) {
    StartPlaying();
    OpenMenu();
    Click(kExitGame);
    ASSERT_EQ(Menu()->GetState(), MenuPanel::kQuitAsked);
    EXPECT_EQ(Menu()->GetQuitBox().GetText(), MenuPanel::kQuitText);
    Click(kBoxNo);
    EXPECT_EQ(Menu()->GetState(), MenuPanel::kMenu);

    g_entityMgr->StartCombatCountdown();
    Click(kSave);
    ASSERT_EQ(Menu()->GetState(), MenuPanel::kNoticeShown);
    Release(SDLK_ESCAPE); // the question replaces the notice
    ASSERT_EQ(Menu()->GetState(), MenuPanel::kQuitAsked);
    const MouseMgr* cursor = g_mouseMgr;
    Click(kBoxYes);
    Frame();
    EXPECT_EQ(Mode(), kModeTitleMenu);
    EXPECT_NE(g_mouseMgr, cursor);
    EXPECT_EQ(g_partyMgr->GetCount(), 0);
    EXPECT_FALSE(g_gameMode->IsInGame());

    StartPlaying();
    OpenMenu();
    Release(SDLK_ESCAPE);
    Release(SDLK_ESCAPE);
    Frame();
    EXPECT_EQ(Mode(), kModeTitleMenu);
    EXPECT_NE(PageAs<MainPanel>(), nullptr);
}

} // namespace
