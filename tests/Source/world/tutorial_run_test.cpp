// A headless run of the tutorial from the title menu: the party arrives on the demo map,
// walks by clicks on the map the road south into the second map and back, and finds the
// chest as it left it.
#include "Library/geometry/map_view.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/entities/container_map_entity.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/script_machine_factory.h"
#include "Source/entities/soldier_entity.h"
#include "Source/scripting/game_virtual_machine.h"
#include "Source/world/demo_game.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace testsupport;

constexpr int32_t kPageToMap = 216;
constexpr int kMaxWalkFrames = 600;

// The game's machine, with the part of the native the start scripts call played: the
// journey from the title to a map.
class JourneyMachine : public GameVirtualMachine {
public:
    explicit JourneyMachine(Entity* owner) : GameVirtualMachine(owner) {}
    int32_t CallAction(ScriptFuncHeader& call) override {
        if (call.GetType() != kNativeAction || call.GetId() != kPageToMap)
            return GameVirtualMachine::CallAction(call);
        g_loadSaveMgr->RequestPageToMap(call.GetString(0), call.GetString(1));
        return kActionDone;
    }
};

class JourneyScripts : public ScriptMachineFactory {
public:
    JourneyScripts() : m_previous(&GetScriptMachineFactory()) { SetScriptMachineFactory(this); }
    ~JourneyScripts() override { SetScriptMachineFactory(m_previous); }
    std::unique_ptr<ScriptMachine> Create(Entity* owner) const override {
        return std::make_unique<JourneyMachine>(owner);
    }

private:
    const ScriptMachineFactory* m_previous;
};

class TutorialRun : public DemoGame {
protected:
    // Over the game's own machines, made at set-up.
    void SetUp() override {
        DemoGame::SetUp();
        m_scripts = std::make_unique<JourneyScripts>();
    }
    void TearDown() override {
        m_scripts.reset();
        DemoGame::TearDown();
    }
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

    std::unique_ptr<JourneyScripts> m_scripts;
};

TEST_F(TutorialRun, TheTutorialTravelsToTheGladeAndBackAndTheChestKeepsWhatWasLeft) {
    RunTitleUntilMenu();
    Click(400, 300); // "Tutorial"
    Frames(2);       // the tutorial starts; its start script's journey
    ASSERT_EQ(Mode(), kModeAreaMap);
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "demo");
    EXPECT_TRUE(g_loadSaveMgr->IsTutorialActive());
    EXPECT_EQ(Leader()->GetPosition(), Vector(49.5f, 43, 0)); // at the gate

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
