// A newcomer's first steps through the main loop, from the title menu: the tutorial's page
// to the gate, a talk with Mara that ends in a trade, the tutorial panel put away once the
// party leaves the gate, and the yard's locked, trapped chest opened with the character's own
// skills. Every order is given as a player gives it: a right press on the thing, the release
// over a command.
#include "Library/geometry/map_view.h"
#include "Library/graphics/colour.h"
#include "Library/interface/framed_info_panel.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/interface_object.h"
#include "Library/interface/popup_window.h"
#include "Library/interface/text_block.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_data.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/spell_mgr.h"
#include "Source/entities/container_entity.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/entity_ptr_list.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/map_object.h"
#include "Source/entities/soldier_entity.h"
#include "Source/screens/command_boxes.h"
#include "Source/screens/dialogue_panel.h"
#include "Source/screens/game_play_panel.h"
#include "Source/screens/gen_inter_routine.h"
#include "Source/screens/player_inv_panel.h"
#include "Source/screens/trade_panel.h"
#include "Source/world/demo_game.h"
#include "platform/win_rand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

using namespace testsupport;

constexpr Point kTutorialButton{400, 300};
constexpr Point kInventoryButton{465, 559};
constexpr Point kTradeButton{650, 545};
constexpr Point kDone{720, 544};
constexpr Point kBoxOk{358, 356};
constexpr Point kMemberOffer{356, 340};
constexpr Point kTraderOffer{436, 340};
constexpr int kEnoughFrames = 300;
const Vector kGate(49.5f, 43, 0);
const Vector kByTheChest(68.5f, 27.5f, 0); // a few steps from it

class NewcomerPath : public DemoGame {
protected:
    static SoldierEntity* Mara() {
        return static_cast<SoldierEntity*>(g_entityMgr->FindByName(Entity::kTypeSoldier, "trader"));
    }
    static Entity* Chest() { return g_entityMgr->GetEntity(Entity::kTypeContainerMap, 0); }
    static const MapObject::Settings& ChestSettings() {
        MapObject* chest = nullptr;
        Entity::GetMapObject(Chest(), &chest);
        return chest->GetSettings();
    }
    static Point OnScreen(const Vector& at) {
        Point point{};
        WorldToPixel(*g_tileMap, at, point.x, point.y);
        return point;
    }
    // The command box opened by a right press at the point; the release over the command's
    // button gives the order.
    void Command(const Vector& at, int command) {
        const Point press = OnScreen(at);
        MoveTo(press.x, press.y);
        Push(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT));
        Frame();
        const PopupWindow* box = PageAs<GamePlayPanel>()->GetCommandBox();
        ASSERT_NE(box, nullptr);
        const InterfaceObject* button = box->GetWindow()->FindChild(command);
        ASSERT_NE(button, nullptr) << command;
        const Rect& rect = button->GetRect();
        MoveTo((rect.x1 + rect.x2) / 2, (rect.y1 + rect.y2) / 2);
        Push(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT));
        Frame();
    }
    bool FramesUntil(int mode) {
        for (int frame = 0; frame < kEnoughFrames && Mode() != mode; ++frame)
            Frame();
        return Mode() == mode;
    }
    void ClickResponse(const std::string& text) {
        const GtWindow& list = PageAs<DialoguePanel>()->GetResponses().GetWindow();
        for (int block = 0; block < list.GetBlockCount(); ++block)
            if (text == list.GetBlock(block).GetText().c_str()) {
                const ScreenPos& place = list.GetBlock(block).GetPosition();
                Click(place.x + 4, place.y + 4);
                Frames(2);
                return;
            }
        ADD_FAILURE() << "no response " << text;
    }
    // Count of the named item from the owner's backpack into an offer, through the box.
    void Offer(Entity* owner, const char* name, int count, const Point& offer) {
        ItemEntity* item =
            Creature::Of(owner)->GetData().GetInventory().GetBackpack().FindItemByName(name);
        ASSERT_NE(item, nullptr) << name;
        DragIcon(item->GetScreenRect(), offer);
        Frame();
        Type(std::to_string(count).c_str());
        Click(kBoxOk);
        Frame();
    }
    static ItemEntity* LyingOnTheMap(const char* name) {
        EntityPtrList* items = nullptr;
        ItemEntity* found = nullptr;
        if (g_entityMgr->GetPool(Entity::kTypeItem, items))
            items->ForEachUsed([&](Entity& item) {
                if (item.GetTemplateName() == name && !item.HasAnyFlag(Entity::kFlagHidden) &&
                    static_cast<ItemEntity&>(item).GetContainer() == nullptr)
                    found = static_cast<ItemEntity*>(&item);
            });
        return found;
    }
    // From the title menu, Tutorial and the page's choice, to the gate.
    void StartTheTutorial() {
        RunTitleUntilMenu();
        Click(kTutorialButton);
        Frames(3);
        Release(SDLK_1);
        Frames(2);
        ASSERT_EQ(Mode(), kModeAreaMap);
    }
    // The potion's red draught or its pale blue glass, as the screen shows them.
    static bool IsPotionColour(const Colour& colour) {
        const bool draught = colour.red > 150 && colour.green < 60 && colour.blue < 80;
        const bool glass = colour.blue > 200 && colour.red < 170 && colour.green > 170;
        return draught || glass;
    }
    // Frames until the leader has not moved for a few of them.
    void FramesUntilThePartyStops() {
        Vector last = Leader()->GetPosition();
        for (int still = 0, frame = 0; still < 5 && frame < kEnoughFrames; ++frame) {
            Frame();
            still = Leader()->GetPosition() == last ? still + 1 : 0;
            last = Leader()->GetPosition();
        }
    }
    static int Carried(Entity* owner, const char* name) {
        const ItemEntity* item =
            Creature::Of(owner)->GetData().GetInventory().GetBackpack().FindItemByName(name);
        return item ? item->GetStackSize() : 0;
    }
    // The chest's command, and the frames the member takes to walk there and act.
    void OnTheChest(int command) {
        const int lines = MessageCount();
        Command(Chest()->GetPosition(), command);
        for (int frame = 0; frame < kEnoughFrames && MessageCount() == lines; ++frame)
            Frame();
    }
};

TEST_F(NewcomerPath, FromTheTitleToATradeWithMaraAndAnOpenedChest) {
    RunTitleUntilMenu();
    Click(kTutorialButton);
    Frames(3);
    ASSERT_EQ(Mode(), kModeStoryPage);
    Release(SDLK_1);
    Frames(2);
    ASSERT_EQ(Mode(), kModeAreaMap);
    ASSERT_EQ(Leader()->GetPosition(), kGate);
    EXPECT_TRUE(g_tutorialPanel->IsVisible());
    platform::SeedRand(7); // the skill rolls below, the same on every run

    // Mara is right by the gate: Talk opens her dialogue, its first response the trade.
    Command(Mara()->GetPosition(), kCommandTalk);
    ASSERT_TRUE(FramesUntil(kModeDialogue));
    EXPECT_TRUE(g_tutorialPanel->IsVisible()) << "still in the start area";
    ClickResponse("Let us trade.");
    ASSERT_TRUE(FramesUntil(kModeTrade));
    Offer(Leader(), "bullets", 3, kMemberOffer); // 30
    Offer(Mara(), "potion", 1, kTraderOffer);    // 25
    Click(kTradeButton);
    EXPECT_TRUE(PageAs<TradePanel>()->HasTraded());
    EXPECT_EQ(Carried(Leader(), "potion"), 6);
    EXPECT_EQ(Carried(Leader(), "bullets"), 7);
    Click(kDone);
    ASSERT_TRUE(FramesUntil(kModeDialogue));
    ClickResponse("Farewell.");
    ASSERT_TRUE(FramesUntil(kModeAreaMap));

    // Into the yard, far from the gate: the tutorial panel goes, over every screen.
    ASSERT_TRUE(g_tileMap->IsWalkableAt(kByTheChest));
    ASSERT_TRUE(TeleportEntity(*Leader(), kByTheChest));
    g_tileMap->CentreViewOn(kByTheChest);
    Frames(40);
    EXPECT_FALSE(g_tutorialPanel->IsVisible());

    // The first Open springs the trap, which says so; the lock holds until it is picked.
    ASSERT_TRUE(ChestSettings().locked && ChestSettings().trapArmed);
    OnTheChest(kCommandOpen);
    EXPECT_EQ(LastMessage(), "A needle springs from the chest's lock!");
    EXPECT_FALSE(ChestSettings().trapArmed);
    OnTheChest(kCommandOpen);
    EXPECT_EQ(LastMessage(), "It's locked.");
    const SpellMgr& skills = Creature::Of(Leader())->GetData().GetSpellMgr();
    while (ChestSettings().locked && skills.HasReadyCharge(4004)) {
        OnTheChest(kCommandPickLock);
        ASSERT_TRUE(LastMessage() == "You picked the lock!" ||
                    LastMessage() == "You failed to pick the lock.")
            << LastMessage();
    }
    ASSERT_FALSE(ChestSettings().locked);
    Command(Chest()->GetPosition(), kCommandOpen);
    ASSERT_TRUE(FramesUntil(kModeChosenInventory));
    const ContainerEntity* inside =
        PageAs<PlayerInvPanel>()->GetDisplay().GetList(GenInterRoutine::kOtherContainer);
    ASSERT_NE(inside, nullptr);
    EXPECT_NE(inside->FindItemByName("gold"), nullptr);
    EXPECT_FALSE(g_tutorialPanel->IsVisible());
}

// The potion and the sword the crate drops by the gate lie where their pictures are drawn: a
// click on the potion's picture stops the party where the inventory lists both on the ground.
TEST_F(NewcomerPath, AClickOnThePotionByTheGateReachesBothItems) {
    ASSERT_NO_FATAL_FAILURE(StartTheTutorial());
    for (int frame = 0; frame < kEnoughFrames && !LyingOnTheMap("sword"); ++frame)
        Frame();
    const ItemEntity* potion = LyingOnTheMap("potion");
    ASSERT_NE(potion, nullptr);
    ASSERT_NE(LyingOnTheMap("sword"), nullptr);
    // The potion's drawn centre: the middle of its glass and draught on the screen.
    const Point point = OnScreen(potion->GetPosition());
    int left = point.x + 16, top = point.y + 16, right = point.x - 16, bottom = point.y - 16;
    for (int y = point.y - 16; y <= point.y + 16; ++y)
        for (int x = point.x - 16; x <= point.x + 16; ++x) {
            if (!IsPotionColour(Colour::Unpack16(PixelAt(x, y))))
                continue;
            left = std::min(left, x);
            top = std::min(top, y);
            right = std::max(right, x);
            bottom = std::max(bottom, y);
        }
    ASSERT_LT(left, right);
    const Point centre{(left + right) / 2, (top + bottom) / 2};
    EXPECT_LE(std::abs(centre.x - point.x), 2);
    EXPECT_LE(std::abs(centre.y - point.y), 2);

    Click(centre);
    FramesUntilThePartyStops();
    Click(kInventoryButton);
    Frames(2);
    ASSERT_EQ(Mode(), kModeInventory);
    const ContainerEntity* ground =
        PageAs<PlayerInvPanel>()->GetDisplay().GetList(GenInterRoutine::kOtherContainer);
    ASSERT_NE(ground, nullptr);
    EXPECT_NE(ground->FindItemByName("potion"), nullptr);
    EXPECT_NE(ground->FindItemByName("sword"), nullptr);
}

// Once put away the panel stays away: back at the gate and off again, the gate's script
// leaves it, and after a journey the region's script puts it away again; a game that is not
// the tutorial never shows it.
TEST_F(NewcomerPath, ThePanelGoesOnceAndOnlyInTheTutorial) {
    ASSERT_NO_FATAL_FAILURE(StartTheTutorial());
    ASSERT_TRUE(g_tutorialPanel->IsVisible());
    Frames(40);
    EXPECT_TRUE(g_tutorialPanel->IsVisible()) << "the start area keeps it";
    for (const Vector& spot : {kByTheChest, kGate, kByTheChest}) {
        ASSERT_TRUE(TeleportEntity(*Leader(), spot));
        Frames(40);
        EXPECT_FALSE(g_tutorialPanel->IsVisible()) << spot.x;
    }
    for (int mode : {kModeInventory, kModeGameMenu}) {
        g_gameMode->SetMode(mode);
        Frames(40);
        EXPECT_EQ(Mode(), mode);
        EXPECT_FALSE(g_tutorialPanel->IsVisible()) << mode;
    }
    // A journey reads the party back, which shows the panel; the region's script puts it
    // away again, there and back.
    g_gameMode->SetMode(kModeAreaMap);
    Frames(2);
    for (const char* map : {"demo2", "demo"}) {
        g_loadSaveMgr->RequestMapToMap(map, "road");
        Frames(5);
        ASSERT_EQ(g_loadSaveMgr->GetMapName(), map);
        EXPECT_FALSE(g_tutorialPanel->IsVisible()) << map;
    }
}

TEST_F(NewcomerPath, ANewGameLeavesThePanelAlone) {
    StartOnDemoMap();
    ASSERT_FALSE(g_tutorialPanel->IsVisible());
    ASSERT_TRUE(TeleportEntity(*Leader(), kByTheChest));
    Frames(40);
    EXPECT_FALSE(g_tutorialPanel->IsVisible());
}

} // namespace
