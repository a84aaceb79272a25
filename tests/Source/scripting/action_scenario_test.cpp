// The demo region's entities on the demo map, with scripts written by the script builder
// for the region, its chest, its gate and its way out and for the two creatures the
// region's script makes: each family of actions acts on the map, and the scientist the
// player hits turns hostile through its own hit script.
#include "Library/files/file_stream.h"
#include "Library/graphics/graphic_mgr.h"
#include "Library/scripts/global_mgr.h"
#include "Library/scripts/global_timer_table.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/demo_map_world.h"
#include "Source/entities/container_map_entity.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/door_entity.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/trigger_entity.h"
#include "Source/scripting/game_virtual_machine.h"
#include "Source/scripting/script_fakes.h"
#include "Source/world/demo_game.h"
#include "Source/world/entity_mgr_store.h"
#include "Source/world/entry_pt_mgr.h"
#include "Source/world/log_mgr.h"
#include "Source/world/text_bubble_mgr.h"
#include "Source/world/view_port_string_mgr.h"
#include "recording_transitions.h"
#include "tools/scriptbuilder/script_builder.h"

#include <algorithm>

using namespace testsupport;

namespace {

const char* const kPlayer = "if_idyl_player_tutorial";
const char* const kScientist = "scimale_neutral";

class ActionScenario : public DemoMapWorld {
protected:
    ActionScenario() : m_previousParts(&GetSoldierPartsFactory()) {
        SetSoldierPartsFactory(&m_parts);
    }
    ~ActionScenario() override { SetSoldierPartsFactory(m_previousParts); }

    void SetUp() override {
        DemoMapWorld::SetUp();
        g_graphicMgr = &m_graphics; // the signpost's picture
        g_entityMgr = m_manager.get();
        g_globalMgr = &m_globals;
        g_gameTimeTimers = &m_gameTimers;
        g_logMgr = &m_log;
        FileStream region((m_mode.GetRegionDir() + "/demo.reg").c_str(), kStreamReadBinary);
        ASSERT_TRUE(EntityMgrStore().LoadDefinition(*m_manager, region, nullptr));
    }
    void TearDown() override {
        g_graphicMgr = nullptr;
        g_entityMgr = nullptr;
        g_globalMgr = nullptr;
        g_gameTimeTimers = nullptr;
        g_logMgr = nullptr;
        DemoMapWorld::TearDown();
    }

    // The calls, made once the machine's start event is posted, frame by frame until they
    // are done.
    template <class Calls> void RunOnStart(ScriptMachine& slot, Calls calls) {
        ScriptBuilder script("scenario");
        script.Call(kCallEventTest, 1).JumpIfFalse("end");
        calls(script);
        script.Label("end").End();
        GameVirtualMachine& machine = *GameVirtualMachine::Of(slot);
        ASSERT_TRUE(machine.SetProgram(script.GetHeaders(), script.GetInstructions()));
        machine.PostStartEvent();
        machine.Update(0);
        EXPECT_TRUE(RunUntil(
            100, [&machine] { return !machine.IsBusy(); }, [&machine] { machine.Update(0); }));
    }
    // The last made of that name: the map places a scientist of its own before the scripts
    // make theirs.
    SoldierEntity* LastSoldierNamed(const char* name) const {
        SoldierEntity* found = nullptr;
        for (int slot = 0; slot < m_manager->GetSlotCount(Entity::kTypeSoldier); ++slot) {
            Entity* entity = m_manager->GetEntity(Entity::kTypeSoldier, slot);
            if (entity != nullptr && entity->GetTemplateName() == name)
                found = static_cast<SoldierEntity*>(entity);
        }
        return found;
    }
    GraphicMgr m_graphics;
    RecordingTransitions m_transitions;
    GlobalMgr m_globals;
    GlobalTimerTable m_gameTimers;
    LogMgr m_log;

private:
    ScriptCreatureFactory m_parts; // real creatures that note their commands
    const SoldierPartsFactory* m_previousParts;
};

TEST_F(ActionScenario, EachFamilyOfActionsActsOnTheDemoMap) {
    RunOnStart(m_manager->GetRegionScript(), [](ScriptBuilder& s) {
        s.Call(kCallLatent, 91, "demo", "visits")
            .Call(kCallLatent, 81, "demo", "visits", 1)
            .Call(kCallLatent, 103, "demo", "greeting", 5)
            .Call(kCallLatent, 51, "The yard", "Someone waits behind the house.")
            .Call(kCallLatent, 82, kPlayer, Vector(62.0f, 26.5f, 0), 6)
            .Call(kCallLatent, 82, kScientist, Vector(60.5f, 26.5f, 0), 12);
    });
    EXPECT_TRUE(m_globals.Equals("demo", "visits", 1));
    EXPECT_TRUE(m_gameTimers.IsRunning("demo", "greeting"));
    EXPECT_NE(m_log.Find("The yard"), nullptr);
    auto* player = static_cast<SoldierEntity*>(m_manager->FindSoldierByName(kPlayer));
    SoldierEntity* scientist = LastSoldierNamed(kScientist);
    ASSERT_TRUE(player && scientist);
    EXPECT_EQ(scientist->GetDirection(), 7) << "facing 12 is held at 7";

    // Struck, the scientist's own script takes it over to the hostile side; it lives on.
    Creature::Of(scientist)->GetData().SetMaxHitPoints(100.0f);
    Creature::Of(scientist)->AddHitPoints(100.0f);
    EXPECT_FALSE(scientist->GetRef().IsHostileSide());
    EXPECT_TRUE(RunUntil(
        300, [&] { return scientist->GetRef().IsHostileSide(); },
        [&] {
            if (!player->HasPending())
                player->OnEvent(SoldierEntity::kEventAttack, scientist, 0, 0);
        }));
    player->ClearAll();

    auto* chest = static_cast<ContainerMapEntity*>( // the one chest
        m_manager->GetEntity(Entity::kTypeContainerMap, 0));
    auto* gate = static_cast<DoorEntity*>(
        m_manager->FindMapObjectAt(Entity::kTypeDoor, kMapObjectDoor, Vector(50, 40, 0)));
    auto* roadSouth = static_cast<TriggerEntity*>(
        m_manager->FindMapObjectAt(Entity::kTypeTrigger, kMapObjectTravel, Vector(50, 98, 0)));
    ASSERT_TRUE(chest && gate && roadSouth);
    RunOnStart(chest->GetMapObject().GetScript(),
               [](ScriptBuilder& s) { s.Call(kCallLatent, 13).Call(kCallLatent, 61, "gold", 5); });
    EXPECT_TRUE(chest->GetMapObject().IsOpen()) << "opening unlocks it";
    EXPECT_TRUE(chest->HasItemNamed("gold"));
    RunOnStart(gate->GetMapObject().GetScript(), [](ScriptBuilder& s) {
        s.Call(kCallLatent, 13).Call(kCallLatent, 327, "gate key");
    });
    EXPECT_TRUE(gate->GetMapObject().IsOpen());
    EXPECT_STREQ(gate->GetMapObject().GetSettings().keyItem.c_str(), "gate key");
    RunOnStart(roadSouth->GetMapObject().GetScript(),
               [](ScriptBuilder& s) { s.Call(kCallLatent, 219, "demo", "gate"); });
    EXPECT_EQ(m_transitions.requests, "MAP_TO_MAP demo gate");

    // The player puts the sword in its hand away; the scientist walks up and attacks it.
    ItemEntity* sword = player->GetCurrentItem();
    ASSERT_NE(sword, nullptr);
    RunOnStart(player->GetScriptSlot(0),
               [](ScriptBuilder& s) { s.Call(kCallLatent, 64, CreatureInventory::kFirstHand); });
    EXPECT_EQ(player->GetCurrentItem(), nullptr);
    EXPECT_TRUE(Creature::Of(player)->GetData().GetInventory().BackpackContains(sword));
    EntityRef thePlayer;
    thePlayer.SetName(kPlayer);
    RunOnStart(scientist->GetScriptSlot(0), [&](ScriptBuilder& s) {
        s.Call(kCallLatent, 5, Vector(58.5f, 26.5f, 0)).Call(kCallLatent, 16, thePlayer);
    });
    const std::vector<std::string>& commands =
        static_cast<FakeBehaviour&>(*scientist->GetBehaviour()).log;
    ASSERT_FALSE(commands.empty());
    EXPECT_NE(std::find(commands.begin(), commands.end(), "command 12"), commands.end());
    EXPECT_EQ(commands.back(), std::string("command 3 ") + kPlayer);
}

// In the running game the party and the load-and-save manager carry out what scripts ask.
using ActionGame = DemoGame;

TEST_F(ActionGame, ThePartyAndTheLoadSaveManagerCarryOutWhatScriptsAsk) {
    StartOnDemoMap();
    SoldierEntity* scientist = CreateCreature(*g_entityMgr, kScientist, Leader()->GetPosition(), 0);
    ASSERT_NE(scientist, nullptr);
    ScriptFuncHeader join = ScriptBuilder::Header(kNativeAction, 11);
    EXPECT_EQ(GameVirtualMachine::Of(scientist->GetScriptSlot(0))->CallAction(join), 1);
    EXPECT_TRUE(g_partyMgr->IsMember(scientist));
    ScriptFuncHeader travel = ScriptBuilder::Header(kNativeAction, 219, "demo", "gate");
    EXPECT_EQ(GameVirtualMachine::Of(g_entityMgr->GetRegionScript())->CallAction(travel), 1);
    EXPECT_EQ(g_loadSaveMgr->GetPending(), LoadSaveMgr::kMapToMap);
}

// Fleeing, the party leaves the map for the region the script names, at its entry point.
TEST_F(ActionGame, AFlightLeadsToTheNamedRegion) {
    StartOnDemoMap();
    ScriptFuncHeader flee = ScriptBuilder::Header(kNativeAction, 506, "world", "east road");
    EXPECT_EQ(GameVirtualMachine::Of(g_entityMgr->GetRegionScript())->CallAction(flee), 1);
    ASSERT_TRUE(g_partyMgr->IsFleeing());
    for (int frame = 0; frame < 600 && g_loadSaveMgr->GetMapName() == "demo"; ++frame)
        Frame();
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "world");
    EXPECT_FALSE(g_loadSaveMgr->IsShowingErrorBox());
}

// The region's services the game made serve the region's script and a creature's.
TEST_F(ActionGame, TheRegionsServicesServeWhatScriptsAsk) {
    StartOnDemoMap();
    GameVirtualMachine& region = *GameVirtualMachine::Of(g_entityMgr->GetRegionScript());
    const auto act = [&region](ScriptFuncHeader call) { return region.CallAction(call); };

    EXPECT_EQ(act(ScriptBuilder::Header(kNativeAction, 51, "Tidings", "A town lies east.")), 1);
    const LogEntry* topic = g_logMgr->Find("Tidings");
    ASSERT_NE(topic, nullptr);
    EXPECT_EQ(act(ScriptBuilder::Header(kNativeAction, 53, "Tidings")), 1);
    EXPECT_EQ(topic->active, 0);

    const int strings = g_viewPortStringMgr->Count();
    EXPECT_EQ(act(ScriptBuilder::Header(kNativeAction, 113, "Splash!", Vector(120, 80, 0))), 1);
    EXPECT_EQ(g_viewPortStringMgr->Count(), strings + 1);

    // A second town: its entry point takes its name and place.
    EXPECT_EQ(act(ScriptBuilder::Header(kNativeAction, 92, "millbrook.dat", Vector(20, 30, 0), 1.0,
                                        1.0, 10.0)),
              1);
    const EntryPt* entry = g_entryPtMgr->FindByName("millbrook");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->position.x, 20.0f);

    SoldierEntity* scientist = CreateCreature(*g_entityMgr, kScientist, Leader()->GetPosition(), 0);
    ASSERT_NE(scientist, nullptr);
    GameVirtualMachine& speaker = *GameVirtualMachine::Of(scientist->GetScriptSlot(0));
    ScriptFuncHeader say = ScriptBuilder::Header(kNativeAction, 3, "Well met.");
    EXPECT_EQ(speaker.CallAction(say), 1);
    const auto& bubble = static_cast<const TextBubbleMgr&>(scientist->GetSpeechBubble());
    EXPECT_TRUE(bubble.IsShowing());
    EXPECT_STREQ(bubble.GetText().GetText().c_str(), "Well met.");
}

} // namespace
