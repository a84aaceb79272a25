// The play screen on the demo map and on the story page, driven through the main loop with
// a party that records its orders.
#include "Source/screens/game_play_panel.h"

#include "Library/core/vector.h"
#include "Library/files/data_paths.h"
#include "Library/geometry/map_view.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/graphic_mgr.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/interface.h"
#include "Library/interface/popup_window.h"
#include "Library/interface/text_block.h"
#include "Library/world/game_mode.h"
#include "Library/world/mode_pages.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_data.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/item_ability.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/soldier_entity.h"
#include "Source/loops.h"
#include "Source/main.h"
#include "Source/real_game.h"
#include "Source/screens/party_orders.h"
#include "Source/world/drifting_lantern_page.h"
#include "Source/world/info_panels.h"
#include "Source/world/load_save_mgr.h"
#include "Source/world/party_mgr.h"
#include "Source/world/region_mgr.h"
#include "platform/win_rand.h"
#include "tools/scriptbuilder/script_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace testsupport;

class RecordingParty : public PartyOrders {
public:
    Entity* GetActiveMember() const override { return member; }
    void LevelUpMembers() override {}
    bool HasLevelUpPending() const override { return levelUp; }
    bool ToggleRun(Entity*) override { return Note("run"); }
    bool NextHand(Entity*) override { return Note("next hand"); }
    bool PrevHand(Entity*) override { return Note("previous hand"); }
    bool TurnNext(Entity*) override { return Note("turn next"); }
    bool TurnPrev(Entity*) override { return Note("turn previous"); }
    bool NextItemEntry(Entity*) override { return Note("next entry"); }
    bool ReloadWeapon(Entity*) override { return Note("reload"); }
    bool Rest(Entity*) override { return Note("rest"); }
    bool WalkToMouse(Entity*) override { return Note("walk"); }
    bool Examine(Entity* entity) override { return Note("examine", entity); }
    bool PickUp(Entity*, Entity* item) override { return Note("pick up", item); }
    bool Attack(Entity*, Entity* target) override { return Note("attack", target); }
    bool CastSpell(Entity*, int spell, Entity* target, const Vector&) override {
        return Note("cast " + std::to_string(spell), target);
    }
    bool Open(Entity*, Entity* target) override { return Note("open", target); }
    bool Talk(Entity*, Entity* target, float) override { return Note("talk", target); }
    bool UseItemOn(Entity*, ItemEntity* item, Entity* target) override {
        return Note(std::string("use ") + (item ? "item" : "nothing"), target);
    }

    Entity* member = nullptr;
    bool levelUp = false;
    std::vector<std::string> orders;

private:
    bool Note(const std::string& order, Entity* target = nullptr) {
        orders.push_back(target == member && target ? order + " self"
                         : target                   ? order + " thing"
                                                    : order);
        return true;
    }
};

// A page for the modes whose screens are not built, so that asking for them shows.
class StubPage : public ModePage {
public:
    void Update(Screen&) override {}
    void Draw(Screen&) override {}
};

// A story page's script as the builder writes it: on its start event and on a key.
void WritePage(const char* name, const std::vector<ScriptFuncHeader>& onStart, int key,
               const std::vector<ScriptFuncHeader>& onKey) {
    constexpr int32_t kStartEvent = 1, kKeyEvent = 19;
    ScriptBuilder script(name);
    script.Call(kCallEventTest, kStartEvent).JumpIfFalse("key");
    for (const ScriptFuncHeader& call : onStart)
        script.Call(call);
    script.Jump("done").Label("key").Call(kCallEventTest, kKeyEvent, key).JumpIfFalse("done");
    for (const ScriptFuncHeader& call : onKey)
        script.Call(call);
    script.Label("done").End();
    ASSERT_TRUE(script.WriteFile(g_dataPaths->GetScriptDir() + "/" + name + ".scr"));
}

template <class... Arguments> ScriptFuncHeader Action(int number, const Arguments&... arguments) {
    return ScriptBuilder::Header(kCallLatent, number, arguments...);
}

std::vector<std::string> Lines(const InfoPanel& panel) {
    std::vector<std::string> lines;
    for (int i = 0; i < panel.GetWindow().GetBlockCount(); ++i)
        lines.push_back(panel.GetWindow().GetBlock(i).GetText().c_str());
    return lines;
}

constexpr Point kMapButton{465, 539};
constexpr Point kOkButton{400, 356};

class PlayScreen : public RealGame {
protected:
    void SetUp() override {
        RealGame::SetUp();
        g_partyOrders = &m_party;
        for (int mode : {kModeMapPicture, kModeGameOver})
            Loops::GetModePages().SetFactory(
                mode, [](const ModeRecord&) { return std::unique_ptr<ModePage>(new StubPage); });
    }
    void TearDown() override {
        g_partyOrders = nullptr;
        RealGame::TearDown();
    }

    // On the demo map with the view on the pond, the member and a creature beside it.
    void EnterMap() {
        ASSERT_TRUE(g_tileMap->Load("demo"));
        ASSERT_TRUE(g_regionMgr->LoadRegFile("demo", nullptr));
        g_tileMap->CentreViewOn(Vector(49.5f, 60, 0));
        m_party.member =
            CreateCreature(*g_entityMgr, "if_idyl_player_tutorial", Vector(49.5f, 60, 0), 0);
        m_creature = CreateCreature(*g_entityMgr, "scimale_hostile", Vector(53.5f, 60, 0), 2);
        ASSERT_TRUE(m_party.member && m_creature);
        for (Entity* soldier : {m_party.member, m_creature}) {
            CreatureData& data = Creature::Of(soldier)->GetData();
            data.SetMaxHitPoints(20.0f);
            data.AddHitPoints(20.0f);
        }
        // The party's sight shows the creature: the screen finds only what is in view.
        ASSERT_TRUE(g_partyMgr->AddMember(m_party.member));
        g_gameMode->SetMode(kModeAreaMap);
        Frames(2);
        ASSERT_NE(Play(), nullptr);
    }
    GamePlayPanel* Play() const { return PageAs<GamePlayPanel>(); }
    SoldierEntity& Member() const { return *static_cast<SoldierEntity*>(m_party.member); }
    void KeyWith(SDLKey key, SDLMod held) {
        SDL_Event event = KeyUp(key);
        event.key.keysym.mod = held;
        Push(event);
        Frame();
    }

    // Where the entity stands on the screen.
    static Point OnScreen(const Entity& entity) {
        Point at{};
        WorldToPixel(*g_tileMap, entity.GetPosition(), at.x, at.y);
        return at;
    }

    RecordingParty m_party;
    Entity* m_creature = nullptr;
};

TEST_F(PlayScreen, TheMapButtonAsksForTheMapPictureOnlyOnTheMap) {
    g_gameMode->SetMode(kModeStoryPage);
    Frame();
    ASSERT_NE(Play(), nullptr);
    Click(kMapButton);
    Frame();
    EXPECT_EQ(Mode(), kModeStoryPage);

    EnterMap();
    Click(kMapButton);
    Frame();
    EXPECT_EQ(Mode(), kModeMapPicture);
}

// A screen the game has no page for is not asked for: the play screen stays, silent.
TEST_F(PlayScreen, AKeyForAScreenWithoutAPageLeavesThePlayScreenAsItIs) {
    EnterMap();
    const GamePlayPanel* play = Play();
    ModePages& pages = Loops::GetModePages();
    const ModePages::Factory questLog = pages.SetFactory(kModeQuestLog, nullptr);
    testing::internal::CaptureStderr();
    Release(SDLK_j);
    Frame();
    const std::string said = testing::internal::GetCapturedStderr();
    pages.SetFactory(kModeQuestLog, questLog);
    EXPECT_EQ(Mode(), kModeAreaMap);
    EXPECT_EQ(Play(), play);
    EXPECT_EQ(said, "");
}

// Built on a page, the book takes the pointer at once: its scroll buttons work before the
// pointer has crossed a bar.
TEST_F(PlayScreen, TheBooksScrollButtonsWorkFromTheFirstFrameOnAPage) {
    MoveTo(770, 254); // the book's lower scroll button, once the page shows
    g_gameMode->SetMode(kModeStoryPage);
    Frames(2);
    ASSERT_NE(Play(), nullptr);
    for (int line = 0; line < 60; ++line)
        g_infoPanel2->AddText("A line of the page, one of many.");
    Frame();
    const int top = g_infoPanel2->GetWindow().GetBlock(0).GetPosition().y;
    Push(Event(SDL_MOUSEBUTTONDOWN));
    Frames(10);
    Push(Event(SDL_MOUSEBUTTONUP));
    Frame();
    EXPECT_NE(g_infoPanel2->GetWindow().GetBlock(0).GetPosition().y, top);
}

TEST_F(PlayScreen, KeysOrderUnlessShiftAndControlAreHeld) {
    EnterMap();
    MoveTo(400, 300);
    KeyWith(SDLK_a, SDLMod(KMOD_LSHIFT | KMOD_LCTRL));
    EXPECT_TRUE(m_party.orders.empty());
    KeyWith(SDLK_a, KMOD_LSHIFT);
    KeyWith(SDLK_e, KMOD_NONE);
    KeyWith(SDLK_COMMA, KMOD_NONE);
    EXPECT_EQ(m_party.orders, (std::vector<std::string>{"attack", "cast 4004", "turn previous"}));
}

TEST_F(PlayScreen, AQuickItemChosenWithTheLeftButtonIsUsedOnTheCreatureClickedNext) {
    EnterMap();
    auto* potion = static_cast<ItemEntity*>(g_entityMgr->CreateEntity(0, 0, 0, Entity::kTypeItem));
    ASSERT_TRUE(potion->LoadByName("potion"));
    CreatureInventory& inventory = Creature::Of(m_party.member)->GetData().GetInventory();
    ItemEntity* carried = nullptr; // a new item comes into the backpack, and moves from there
    ASSERT_TRUE(inventory.AddItem(potion, carried));
    ASSERT_TRUE(inventory.AddToSlot(carried, 1, GamePlayPanel::kFirstQuickInventorySlot, carried));
    Frame();
    Click(640, 560); // the first quick slot
    EXPECT_TRUE(m_party.orders.empty());
    Click(OnScreen(*m_creature));
    EXPECT_EQ(m_party.orders, (std::vector<std::string>{"use item thing"}));
}

TEST_F(PlayScreen, TheWeaponsLeftClickStepsItsEntryAndItsRightClickReloads) {
    EnterMap();
    Frame();
    Click(548, 560);
    RightClick(548, 560);
    EXPECT_EQ(m_party.orders, (std::vector<std::string>{"next entry", "reload"}));
}

// The read-out under the weapon is its ability's use time, a float a forged template sets
// to anything: NaN reads as 0, and a value beyond an int is held to one.
TEST_F(PlayScreen, TheWeaponsReadOutHoldsAForgedUseTimeWithinAnInt) {
    EnterMap();
    ItemEntity* weapon = Member().GetCurrentItem();
    ASSERT_NE(weapon, nullptr);
    auto* ability = dynamic_cast<ItemAbility*>(weapon->GetAbility());
    ASSERT_NE(ability, nullptr);
    const auto readOut = [&](float useTime) {
        ability->SetUseTime(useTime);
        g_hudMessages->AddText("A line that has the bottom bar drawn again.");
        Frame();
        std::vector<uint16_t> pixels;
        for (int y = 531; y < 588; ++y)
            for (int x = 511; x < 587; ++x)
                pixels.push_back(PixelAt(x, y));
        return pixels;
    };
    const std::vector<uint16_t> zero = readOut(0.0f);
    EXPECT_EQ(readOut(std::nanf("")), zero);
    EXPECT_NE(readOut(3e30f), zero);
    EXPECT_NE(readOut(-3e30f), zero);
}

TEST_F(PlayScreen, ARightPressOnACreatureOpensItsCommandBox) {
    EnterMap();
    const Point at = OnScreen(*m_creature);
    MoveTo(at.x, at.y);
    Push(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT));
    Frames(2);
    EXPECT_EQ(Play()->GetHudState(), GamePlayPanel::kCommandBoxOpen);
}

TEST_F(PlayScreen, TheMembersDeathEndsTheGameOnlyOnceItsLastHitIsDone) {
    EnterMap();
    g_gameMode->SetPaused(true);
    Member().SetFlags(Member().GetFlags() & ~Entity::kFlagAlive);
    EntityEvent hit;
    hit.kind = SoldierEntity::kEventHit;
    Member().PushEvent(hit);
    Frames(2);
    EXPECT_EQ(Mode(), kModeAreaMap);
    Member().ClearEvents();
    ::testing::internal::CaptureStderr();
    Frames(10);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << "the game over screen is shown";
    EXPECT_EQ(Mode(), kModeGameOver);
}

TEST_F(PlayScreen, APendingLevelUpShowsTheButtonUntilNoneIsLeft) {
    EnterMap();
    EXPECT_FALSE(Play()->IsLevelUpShown());
    m_party.levelUp = true;
    Frame();
    EXPECT_TRUE(Play()->IsLevelUpShown());
    m_party.levelUp = false;
    Frame();
    EXPECT_FALSE(Play()->IsLevelUpShown());
}

TEST_F(PlayScreen, APageNamedWithItsExtensionStartsAndAMissingOneEndsTheGameAtOk) {
    g_page->GoToPage("demo_page.scr");
    Frames(2);
    ASSERT_NE(Play(), nullptr);
    EXPECT_STREQ(g_page->GetCurrentPage().c_str(), "demo_page.scr");
    EXPECT_FALSE(g_page->HasFailed());
    EXPECT_NE(Play()->GetPagePicture(), nullptr);

    g_page->GoToPage("missing");
    Frame();
    ASSERT_EQ(Play()->GetHudState(), GamePlayPanel::kMessageShown);
    Release(SDLK_ESCAPE); // the box alone takes input
    EXPECT_EQ(Play()->GetHudState(), GamePlayPanel::kMessageShown);
    EXPECT_FALSE(g_quit);
    Click(kOkButton);
    EXPECT_TRUE(g_quit);
}

// The page's script writes the book, fills the message box, which holds its keys back
// until it is closed, writes the message list and turns to the next page.
TEST_F(PlayScreen, APagesScriptWritesTheBookAndTheBoxesAndTurnsThePage) {
    enum { kShowMessage = 105, kClearBook = 107, kAddToBook = 108, kGoToPage = 215 };
    enum { kAddMessage = 401 };
    WritePage("fork",
              {Action(kClearBook), Action(kAddToBook, "The road forks."),
               Action(kAddToBook, "1 - Left"), Action(kShowMessage, "Choose a way.")},
              '1', {Action(kAddMessage, "You went left."), Action(kGoToPage, "left")});
    WritePage("left", {Action(kClearBook), Action(kAddToBook, "The left road.")}, '1', {});
    g_gameMode->SetUseResourceFiles(false); // the pages are loose files beside the archive

    g_page->GoToPage("fork");
    Frames(2);
    ASSERT_NE(Play(), nullptr);
    EXPECT_EQ(Lines(*g_infoPanel2), (std::vector<std::string>{"The road forks.", "1 - Left"}));
    EXPECT_EQ(Play()->GetHudState(), GamePlayPanel::kMessageShown);
    Release(SDLK_1);
    EXPECT_STREQ(g_page->GetCurrentPage().c_str(), "fork") << "the box holds the key back";

    Click(kOkButton);
    EXPECT_NE(Play()->GetHudState(), GamePlayPanel::kMessageShown);
    Release(SDLK_1);
    Frame();
    EXPECT_STREQ(g_page->GetCurrentPage().c_str(), "left");
    EXPECT_EQ(Lines(*g_infoPanel2), (std::vector<std::string>{"The left road."}));
    ASSERT_FALSE(Lines(*g_hudMessages).empty());
    EXPECT_EQ(Lines(*g_hudMessages).back(), "You went left.");
}

// A page's picture is drawn among all five and loaded as drawn: the seeded draws are the
// same on every run, and fifty of them leave none of the five out.
TEST_F(PlayScreen, APagesPictureIsDrawnAmongAllFiveAndTheOneDrawnIsLoaded) {
    g_page->GoToPage("demo_page");
    Frames(2);
    ASSERT_NE(Play(), nullptr);
    platform::SeedRand(1);
    std::set<int> drawn;
    for (int page = 0; page < 50; ++page) {
        const int number = Play()->LoadRandomSmallSplash();
        drawn.insert(number);
        const Graphic* picture = Play()->GetPagePicture();
        ASSERT_NE(picture, nullptr) << number;
        const std::string name = "small_splash" + std::to_string(number) + ".bmp";
        const std::string path = picture->GetFullPath().c_str();
        EXPECT_EQ(path.substr(path.size() - std::min(path.size(), name.size())), name);
    }
    EXPECT_EQ(drawn, (std::set<int>{1, 2, 3, 4, 5}));
}

// Leaving for the title menu clears the picture cache before the screen goes: the screen
// must not give back the picture it no longer holds.
TEST_F(PlayScreen, LeavingForTheTitleMenuFreesThePagesPictureOnlyWhileTheCacheHoldsIt) {
    g_page->GoToPage("demo_page");
    Frames(2);
    ASSERT_NE(Play()->GetPagePicture(), nullptr);
    g_graphicMgr->Clear();
    g_gameMode->SetMode(kModeTitleMenu);
    Frame();
    EXPECT_EQ(Mode(), kModeTitleMenu);
}

// The fatal box of a failed journey takes the screen's place but keeps the interface's
// images: the side panel picture must go with the screen.
TEST_F(PlayScreen, TheSidePanelLeavesWithTheScreenWhenTheFatalBoxTakesItsPlace) {
    g_tileMap->SetViewSize(0);
    EnterMap();
    ASSERT_NE(Play()->GetSidePanel(), nullptr);
    const Stringc name = Play()->GetSidePanel()->GetFullPath();
    const GraphicMgr& images = g_interface->GetImages();
    EXPECT_TRUE(images.ContainsName(name.c_str()));

    testing::internal::CaptureStderr();
    g_loadSaveMgr->RequestMapToMap("nowhere", "");
    Frame();
    testing::internal::GetCapturedStderr();
    ASSERT_TRUE(g_loadSaveMgr->IsShowingErrorBox());
    EXPECT_EQ(Play(), nullptr);
    EXPECT_FALSE(images.ContainsName(name.c_str()));
}

} // namespace
