#pragma once
// Soldiers with real creatures and game script machines on an open 64 x 64 meadow, whose
// behaviour is a fake that records the commands it is given, for the tests of what
// scripts make creatures do.

#include "Library/world/game_mode.h"
#include "Library/world/tile_map_support.h"
#include "Library/world/tile_record.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_factory.h"
#include "Source/entities/creature_commands.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "Source/scripting/game_machine_factory.h"
#include "Source/scripting/game_virtual_machine.h"
#include "tools/scriptbuilder/script_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testsupport {

// "command <id>" and its entity's name for each command given, "clear" for each clearing.
class FakeBehaviour : public CreatureCommands {
public:
    void SetCommand(int id, const CommandArg& a, const CommandArg&, const CommandArg&,
                    int) override {
        std::string note = "command " + std::to_string(id);
        if (a.AsEntity() != nullptr)
            note += std::string(" ") + a.AsEntity()->GetRef().GetName().c_str();
        log.push_back(note);
    }
    void ClearCommand() override { log.push_back("clear"); }
    void Update() override {}
    uint8_t GetStatus() const override { return status; }
    void Describe(int, int, Screen&) const override {}

    std::vector<std::string> log;
    uint8_t status = 1;
};

class ScriptCreatureFactory : public CreatureFactory {
public:
    std::unique_ptr<CreatureCommands> CreateBehaviour(SoldierEntity&) const override {
        return std::make_unique<FakeBehaviour>();
    }
};

class ScriptWorld : public MapDataRoot {
protected:
    static constexpr uint32_t kPlayerSide = 2;
    static constexpr uint32_t kHostileSide = 200;

    ScriptWorld() { SetSoldierPartsFactory(&m_creatures); }
    ~ScriptWorld() override {
        g_gameMode = nullptr;
        SetSoldierPartsFactory(nullptr);
    }

    void SetUp() override {
        const uint32_t ground[3] = {0, TileRecord::kWalkable, 0};
        ASSERT_TRUE(ReadBytes(MapBytes(64, 64, ground)));
        g_gameMode = &m_mode;
        EnterMode(kModeAreaMap);
    }

    void EnterMode(int id) {
        m_mode.SetMode(id);
        m_mode.ApplyPendingMode();
    }

    // A living soldier named name of radius 0.5 at (x, y), which sees from there.
    SoldierEntity* Soldier(const char* name, float x, float y, uint32_t side = kHostileSide) {
        auto* soldier =
            static_cast<SoldierEntity*>(m_manager.CreateEntity(x, y, 0, Entity::kTypeSoldier));
        soldier->GetRef().Set(side, 1, 0, 0, 0, 0, 0);
        soldier->GetRef().SetName(name);
        soldier->SetRadius(0.5f, 0);
        Creature::Of(soldier)->RecomputeVision(soldier->GetPosition());
        return soldier;
    }
    static CreatureData& DataOf(Entity* soldier) { return Creature::Of(soldier)->GetData(); }
    static FakeBehaviour& BehaviourOf(SoldierEntity* soldier) {
        return static_cast<FakeBehaviour&>(*soldier->GetBehaviour());
    }
    static GameVirtualMachine& SlotOf(SoldierEntity* soldier, int slot = 0) {
        return *GameVirtualMachine::Of(soldier->GetScriptSlot(slot));
    }
    // A pattern naming the entity of that name.
    static EntityRef Named(const char* name) {
        EntityRef ref;
        ref.SetName(name);
        return ref;
    }
    static void Install(GameVirtualMachine& machine, const ScriptBuilder& script) {
        ASSERT_TRUE(machine.SetProgram(script.GetHeaders(), script.GetInstructions()));
    }

    GameMode m_mode;
    ScriptCreatureFactory m_creatures;
    ScopedGameMachineFactory m_machines;
    EntityMgr m_manager{&m_map};
};

} // namespace testsupport
