#pragma once
// Creatures with items, game script machines and a body animation of eight facings on the
// meadow; their behaviour is a fake that records the commands it is given, for the tests
// of what scripts make creatures do.

#include "Library/graphics/animation_support.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "Library/world/game_mode.h"
#include "Source/creatures/item_world.h"
#include "Source/scripting/game_machine_factory.h"
#include "Source/scripting/game_virtual_machine.h"
#include "script_fakes.h"
#include "tools/scriptbuilder/script_builder.h"

namespace testsupport {

class ScriptWorld : public ItemWorld {
protected:
    ScriptWorld() : m_previousParts(&GetSoldierPartsFactory()) { SetSoldierPartsFactory(&m_parts); }
    ~ScriptWorld() override {
        SetSoldierPartsFactory(m_previousParts);
        g_uniAnimationMgr = nullptr;
        g_gameMode = nullptr;
    }

    void SetUp() override {
        ItemWorld::SetUp();
        WriteAni(m_dir, "Creat/body", "s0", 8, 8, 100);
        g_uniAnimationMgr = &m_animations;
        g_gameMode = &m_mode;
        EnterMode(kModeAreaMap);
    }

    void EnterMode(int id) {
        m_mode.SetMode(id);
        m_mode.ApplyPendingMode();
    }

    // A living creature named name at (x, y), facing 0, which sees from there; its
    // behaviour has been given nothing yet.
    SoldierEntity* Named(const char* name, float x, float y, uint32_t side = kHostileSide) {
        SoldierEntity* soldier = Soldier(x, y, side);
        soldier->GetRef().SetName(name);
        soldier->GetAnimation().SetAnimationName("Creat/body");
        EXPECT_TRUE(soldier->GetAnimation().SetAnimation("s0", m_animations));
        soldier->SetDirection(0);
        BehaviourOf(soldier).log.clear(); // of its making
        return soldier;
    }
    static FakeBehaviour& BehaviourOf(SoldierEntity* soldier) {
        return static_cast<FakeBehaviour&>(*soldier->GetBehaviour());
    }
    static FakeBubble& BubbleOf(SoldierEntity* soldier) {
        return static_cast<FakeBubble&>(soldier->GetSpeechBubble());
    }
    static GameVirtualMachine& SlotOf(SoldierEntity* soldier, int slot = 0) {
        return *GameVirtualMachine::Of(soldier->GetScriptSlot(slot));
    }
    // A pattern naming the entity of that name.
    static EntityRef Pattern(const char* name) {
        EntityRef ref;
        ref.SetName(name);
        return ref;
    }
    static void Install(GameVirtualMachine& machine, const ScriptBuilder& script) {
        ASSERT_TRUE(machine.SetProgram(script.GetHeaders(), script.GetInstructions()));
    }

    GameMode m_mode;
    UniAnimationMgr m_animations;
    ScopedGameMachineFactory m_machines;

private:
    ScriptCreatureFactory m_parts;
    const SoldierPartsFactory* m_previousParts;
};

} // namespace testsupport
