// A headless run of the tutorial from the title menu: the story page's choice brings the
// party to the demo map inside the play screen, where it walks by clicks on the map the road
// south into the second map and back, and finds the chest as it left it.
#include "Library/geometry/map_view.h"
#include "Library/interface/framed_info_panel.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/entities/container_map_entity.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/door_entity.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/soldier_entity.h"
#include "Source/screens/command_boxes.h"
#include "Source/screens/game_play_panel.h"
#include "Source/screens/party_cmd_orders.h"
#include "Source/world/counting_scripts.h"
#include "Source/world/demo_game.h"

#include <gtest/gtest.h>

namespace {

using namespace testsupport;

constexpr int kMaxWalkFrames = 600;

class TutorialRun : public DemoGame {
protected:
    // From the point, a click on the goal in the map's view walks the leader there; true
    // once a journey took the party off the map.
    bool WalkAcross(const Vector& from, const Vector& goal) {
        const Stringc map = g_loadSaveMgr->GetMapName();
        if (!TeleportEntity(*Leader(), from))
            return false;
        g_tileMap->CentreViewOn(from);
        int x = 0, y = 0;
        WorldToPixel(*g_tileMap, goal, x, y);
        Click(x, y);
        for (int frame = 0; frame < kMaxWalkFrames && g_loadSaveMgr->GetMapName() == map; ++frame)
            Frame();
        return g_loadSaveMgr->GetMapName() != map;
    }
    static ContainerMapEntity* Chest() {
        return static_cast<ContainerMapEntity*>(
            g_entityMgr->GetEntity(Entity::kTypeContainerMap, 0));
    }
};

TEST_F(TutorialRun, ThePagesChoiceLeadsToTheGateAndThePartyWalksSouthAndBackToTheChest) {
    RunTitleUntilMenu();
    Click(400, 300); // "Tutorial"
    Frames(3);       // the tutorial starts; its start script opens the story page
    ASSERT_EQ(Mode(), kModeStoryPage);
    EXPECT_GT(g_infoPanel2->GetWindow().GetBlockCount(), 0);
    EXPECT_GT(g_tutorialPanel->GetWindow().GetBlockCount(), 0);
    Release(SDLK_1); // the page's choice: the journey to the gate
    Frames(2);
    ASSERT_EQ(Mode(), kModeAreaMap);
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "demo");
    EXPECT_TRUE(g_loadSaveMgr->IsTutorialActive());
    EXPECT_NE(PageAs<GamePlayPanel>(), nullptr);
    const Vector gate(49.5f, 43, 0);
    EXPECT_EQ(Leader()->GetPosition(), gate);
    int x = 0, y = 0;
    WorldToPixel(*g_tileMap, gate + Vector(0, 3, 0), x, y);
    Click(x, y);
    Frames(30);
    EXPECT_GT(Leader()->GetPosition().y, gate.y);

    CreatureInventory& inventory = Creature::Of(Leader())->GetData().GetInventory();
    ItemEntity* sword = Leader()->GetCurrentItem();
    ItemEntity* stored = nullptr;
    ASSERT_TRUE(inventory.RemoveItem(1, sword));
    ASSERT_TRUE(Chest()->AddItem(sword, stored));

    ASSERT_TRUE(WalkAcross(Vector(50, 90, 0), Vector(50, 97.5f, 0)));
    Frame();
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "demo2");
    EXPECT_EQ(Mode(), kModeAreaMap);
    EXPECT_EQ(Leader()->GetPosition(), Vector(30, 8.5f, 0));

    ASSERT_TRUE(WalkAcross(Vector(30, 8.5f, 0), Vector(30, 2, 0)));
    Frame();
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "demo");
    EXPECT_EQ(Leader()->GetPosition(), Vector(50, 92, 0));
    EXPECT_NE(Chest()->FindItemByName("sword"), nullptr);
    EXPECT_EQ(Leader()->GetCurrentItem(), nullptr);
    EXPECT_FALSE(g_loadSaveMgr->IsShowingErrorBox());
}

} // namespace

namespace {

using TutorialMap = DemoGame;

// Someone to meet and someone to fight, the fight only for the player who goes looking for
// it; what the gate and the chest are, told by Examine, and nothing to talk to in either.
TEST_F(TutorialMap, HoldsBothScientistsAndFightsNowhereNearTheGateOrTheStart) {
    StartOnDemoMap();
    const auto at = [](const char* name) {
        const Entity* scientist = g_entityMgr->FindByName(Entity::kTypeSoldier, name);
        return scientist ? scientist->GetPosition() : Vector(-1, -1, -1);
    };
    EXPECT_EQ(at("scimale_hostile"), Vector(25.5f, 8.5f, 0));
    EXPECT_EQ(at("scimale_neutral"), Vector(64.5f, 28.5f, 0));
    auto* hostile = static_cast<SoldierEntity*>(
        g_entityMgr->FindByName(Entity::kTypeSoldier, "scimale_hostile"));
    ASSERT_NE(hostile, nullptr);
    for (const Vector& spot : {Vector(49.5f, 43, 0), Vector(49.5f, 60, 0)}) {
        ASSERT_TRUE(TeleportEntity(*Leader(), spot));
        for (int frame = 0; frame < 60; ++frame) {
            Frame();
            ASSERT_FALSE(hostile->SeesEnemies()) << spot.y << ", frame " << frame;
            ASSERT_EQ(g_entityMgr->GetCombatCountdown(), 0) << spot.y << ", frame " << frame;
        }
    }

    Entity* chest = g_entityMgr->GetEntity(Entity::kTypeContainerMap, 0);
    Entity* gate = g_entityMgr->GetEntity(Entity::kTypeDoor, 0);
    ASSERT_NE(chest, nullptr);
    ASSERT_NE(gate, nullptr);
    for (Entity* thing : {chest, gate}) {
        const CommandBoxLayout commands = ObjectCommands(*thing, Leader());
        for (int button = 0; button < commands.count; ++button)
            EXPECT_NE(commands.buttons[button].id, kCommandTalk);
    }
    // Under the resting pointer the chest is named, and the gate from the top of its planks;
    // a nameless gate leaves no blank line.
    const auto hover = [&](const Vector& point) {
        g_tileMap->CentreViewOn(point);
        Frame();
        int x = 0, y = 0;
        WorldToPixel(*g_tileMap, point, x, y);
        MoveTo(x, y);
        Frames(20);
    };
    hover(chest->GetPosition());
    EXPECT_EQ(LastMessage(), "Chest");
    gate->SetDisplayName("");
    const int lines = MessageCount();
    hover(Vector(50, 40, 0));
    EXPECT_EQ(MessageCount(), lines);
    gate->SetDisplayName("Gate");
    hover(chest->GetPosition());
    hover(Vector(50, 36.5f, 0)); // the top of the gate's planks
    EXPECT_EQ(LastMessage(), "Gate");

    PartyCmdOrders orders(*g_partyMgr);
    ASSERT_TRUE(orders.Examine(chest));
    EXPECT_EQ(LastMessage(), "An old chest, bound in iron.");
    ASSERT_TRUE(orders.Examine(gate));
    EXPECT_EQ(LastMessage(), "A gate of planks in the wall, the one way north.");
}

// The wall runs from edge to edge: once the gate is open, a walk ordered from south of it to
// a point north of it gets there, crossing it only through the gate's columns, 48 to 51.
TEST_F(TutorialMap, AWalkNorthCrossesTheWallOnlyThroughTheGate) {
    StartOnDemoMap();
    auto* gate = static_cast<DoorEntity*>(g_entityMgr->GetEntity(Entity::kTypeDoor, 0));
    ASSERT_NE(gate, nullptr);
    ASSERT_TRUE(PartyCmdOrders(*g_partyMgr).Open(Leader(), gate));
    for (int frame = 0; frame < 300 && !gate->GetMapObject().IsOpen(); ++frame)
        Frame();
    ASSERT_TRUE(gate->GetMapObject().IsOpen());
    for (const float x : {4.5f, 95.5f}) {
        const Vector start(x, 45, 0), goal(x, 34, 0);
        ASSERT_TRUE(TeleportEntity(*Leader(), start));
        g_tileMap->CentreViewOn(start);
        Frame();
        int pixelX = 0, pixelY = 0;
        WorldToPixel(*g_tileMap, goal, pixelX, pixelY);
        Click(pixelX, pixelY);
        bool north = false;
        for (int frame = 0; frame < 900 && !north; ++frame) {
            Frame();
            const Vector& at = Leader()->GetPosition();
            if (at.y >= 39.0f && at.y < 41.0f) { // on the wall, within half a cell of the gate
                ASSERT_TRUE(at.x > 47.5f && at.x < 52.5f) << at.x << ", " << at.y;
            }
            north = at.y < 38.5f;
        }
        EXPECT_TRUE(north) << "from " << x << " the party never got north of the wall";
    }
}

using TutorialScripts = DemoGame;

// The tutorial runs the region's scripts in every mode, and once a frame on the area map
// too, paused or not.
TEST_F(TutorialScripts, RunOnceAFrameOnTheAreaMap) {
    CountingScripts scripts;
    StartOnDemoMap();
    g_loadSaveMgr->SetTutorialActive(true);
    const int perFrame = [&] {
        const int before = scripts.updates;
        Frame();
        return scripts.updates - before;
    }();
    g_loadSaveMgr->SetTutorialActive(false);
    const int before = scripts.updates;
    Frame();
    EXPECT_EQ(perFrame, scripts.updates - before) << "the tutorial adds no second pass";
    g_gameMode->SetPaused(true);
    const int paused = scripts.updates;
    Frame();
    EXPECT_EQ(scripts.updates, paused) << "paused, nothing runs them";
    g_loadSaveMgr->SetTutorialActive(true);
    Frame();
    EXPECT_GT(scripts.updates, paused) << "paused, the tutorial's pass runs them";
    g_gameMode->SetPaused(false);
}

} // namespace
