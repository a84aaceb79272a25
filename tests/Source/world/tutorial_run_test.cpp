// A headless run of the tutorial from the title menu: the party arrives on the demo map,
// walks the road south into the second map and back, and finds the chest as it left it.
#include "LibraryScriptCompiler/virtual_machine.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/entities/container_map_entity.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/script_machine.h"
#include "Source/entities/script_machine_factory.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/soldier_planner.h"
#include "Source/world/demo_game.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace testsupport;

constexpr int32_t kPageToMap = 216;
constexpr int kMaxWalkFrames = 600;

// Plays the part of the natives the start script calls: the journey from the title to a
// map; every other call is done at once, every event test holds.
class JourneyNatives : public VirtualMachine {
public:
    int32_t CallAction(ScriptFuncHeader& call) override {
        if (call.GetId() == kPageToMap)
            g_loadSaveMgr->RequestPageToMap(call.GetString(0), call.GetString(1));
        return kActionDone;
    }
};

class JourneyMachine : public ScriptMachine {
public:
    bool LoadScript(const Stringc& path) override { return m_machine.LoadScript(path, true); }
    void Reset() override { m_machine.Reset(true); }
    bool Update(uint32_t frameMs) override { return m_machine.Update(frameMs); }
    bool HasFired() const override { return m_machine.HasFired(); }
    void SetPeriod(int periodMs) override { m_machine.SetPeriod(periodMs); }
    void ClearActions() override { m_machine.ClearActions(); }
    void ClearEvents() override { m_machine.ClearEvents(); }
    void PostEvent(int code) override { Post(code); }
    void PostEntityEvent(int code, const EntityRef&) override { Post(code); }
    void PostNumberEvent(int code, double) override { Post(code); }
    void PostEntityNumberEvent(int code, const EntityRef&, double) override { Post(code); }
    void PostTextEvent(int code, const Stringc&) override { Post(code); }

private:
    void Post(int code) {
        ScriptFuncHeader event;
        event.SetTypeAndId(kCallEventTest, code);
        m_machine.PostEvent(event);
    }
    JourneyNatives m_machine;
};

class JourneyScripts : public ScriptMachineFactory {
public:
    JourneyScripts() { SetScriptMachineFactory(this); }
    ~JourneyScripts() override { SetScriptMachineFactory(nullptr); }
    std::unique_ptr<ScriptMachine> Create(Entity*) const override {
        return std::make_unique<JourneyMachine>();
    }
};

class TutorialRun : public DemoGame {
protected:
    // Walks the leader from the point to the goal; true once a journey took it off the map.
    bool WalkAcross(const Vector& from, const Vector& goal) {
        const Stringc map = g_loadSaveMgr->GetMapName();
        SoldierEntity* leader = Leader();
        if (!TeleportEntity(*leader, from) ||
            !g_entityMgr->GetPlanner()->PlanPathToPoint(*leader, goal))
            return false;
        leader->OnEvent(SoldierEntity::kEventWalkTo, &leader->GetPath().GetGoal(), 0, 0);
        for (int frame = 0; frame < kMaxWalkFrames && g_loadSaveMgr->GetMapName() == map; ++frame)
            Frame();
        return g_loadSaveMgr->GetMapName() != map;
    }
    static ContainerMapEntity* Chest() {
        return static_cast<ContainerMapEntity*>(
            g_entityMgr->GetEntity(Entity::kTypeContainerMap, 0));
    }

    JourneyScripts m_scripts;
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
