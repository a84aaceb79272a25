// A soldier's quiet script machines, their frames held and given at once, against machines
// updated every frame: a soldier made in a freed pool slot starts as the first one there did.
#include "Source/entities/held_script_frames.h"

#include "Library/world/tile_map_support.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/scripting/game_virtual_machine.h"
#include "entity_fakes.h"
#include "platform/win_rand.h"
#include "tools/scriptbuilder/script_builder.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kGround[3] = {0x00000002, 0x00000100, 0};
constexpr uint32_t kFrameMs = 33;
constexpr int kScriptedSlots = 4; // as a scientist's; the combat watch's slot has no script

// The game's machine, noting the frames in which its program ran and its timer came round.
// Quiet only where the test lets it be, so a soldier holds its frames.
class NotingMachine : public GameVirtualMachine {
public:
    NotingMachine(Entity* owner, const int& frame, bool mayBeQuiet)
        : GameVirtualMachine(owner), m_frame(frame), m_mayBeQuiet(mayBeQuiet) {}

    void Execute() override {
        runs.push_back(m_frame);
        GameVirtualMachine::Execute();
    }
    bool Update(uint32_t frameMs) override {
        const bool busy = GameVirtualMachine::Update(frameMs);
        NoteFired();
        return busy;
    }
    int QuietMs() const override { return m_mayBeQuiet ? GameVirtualMachine::QuietMs() : -1; }
    void CountQuietMs(int ms) override {
        GameVirtualMachine::CountQuietMs(ms);
        NoteFired();
    }

    std::vector<int> runs;
    std::vector<int> fires;

private:
    void NoteFired() {
        if (HasFired())
            fires.push_back(m_frame);
    }

    const int& m_frame;
    bool m_mayBeQuiet;
};

class NotingScripts : public ScriptMachineFactory {
public:
    explicit NotingScripts(bool mayBeQuiet) : m_mayBeQuiet(mayBeQuiet) {
        SetScriptMachineFactory(this);
    }
    ~NotingScripts() override { SetScriptMachineFactory(nullptr); }
    std::unique_ptr<ScriptMachine> Create(Entity* owner) const override {
        return std::make_unique<NotingMachine>(owner, frame, m_mayBeQuiet);
    }

    int frame = 0;

private:
    bool m_mayBeQuiet;
};

struct SlotTrace {
    std::vector<int> runs;
    std::vector<int> fires;
};

class HeldScriptFramesTest : public testsupport::MapDataRoot {
protected:
    void SetUp() override { ASSERT_TRUE(ReadBytes(testsupport::MapBytes(32, 32, kGround))); }

    // A soldier lives 40 frames and goes; another is made in its slot and lives 60: what
    // the newcomer's slots ran and fired, frame by frame.
    std::vector<SlotTrace> Play(bool held, unsigned seed) {
        platform::SeedRand(seed);
        NotingScripts scripts(held);
        testsupport::FakeCreatureFactory creatures;
        testsupport::FakeParty party;
        EntityMgr manager(&m_map, &party);
        const auto frames = [&](int count) {
            for (int i = 0; i < count; ++i, ++scripts.frame)
                manager.Update(kFrameMs);
        };
        SoldierEntity* first = Make(manager);
        frames(40);
        manager.ReleaseEntity(first);
        SoldierEntity* second = Make(manager);
        EXPECT_EQ(second, first) << "made in the freed slot";
        std::vector<NotingMachine*> machines;
        for (int slot = 0; slot < SoldierEntity::kEventSlots; ++slot) {
            machines.push_back(static_cast<NotingMachine*>(&second->GetScriptSlot(slot)));
            machines.back()->runs.clear();
            machines.back()->fires.clear();
        }
        frames(60);
        std::vector<SlotTrace> traces;
        for (const NotingMachine* machine : machines)
            traces.push_back({machine->runs, machine->fires});
        return traces;
    }

private:
    // As a creature is made: its scripts loaded, then the start event posted to each slot.
    static SoldierEntity* Make(EntityMgr& manager) {
        auto* soldier =
            static_cast<SoldierEntity*>(manager.CreateEntity(0, 0, 0, Entity::kTypeSoldier));
        soldier->SetTemplateName("scientist");
        soldier->SetRadius(0.5f, 0);
        EXPECT_TRUE(AddEntityToMap(*soldier, Vector(5.5f, 5.5f, 0)));
        ScriptBuilder program("idle");
        program.Nop().End();
        for (int slot = 0; slot < kScriptedSlots; ++slot)
            EXPECT_TRUE(GameVirtualMachine::Of(soldier->GetScriptSlot(slot))
                            ->SetProgram(program.GetHeaders(), program.GetInstructions()));
        for (int slot = 0; slot < SoldierEntity::kEventSlots; ++slot)
            soldier->GetScriptSlot(slot).PostStartEvent();
        return soldier;
    }
};

TEST_F(HeldScriptFramesTest, ASoldierMadeInAFreedSlotRunsAndFiresAsIfUpdatedEveryFrame) {
    for (unsigned seed : {1u, 2u, 3u, 4u}) {
        SCOPED_TRACE(seed);
        const std::vector<SlotTrace> stepped = Play(false, seed);
        const std::vector<SlotTrace> held = Play(true, seed);
        for (int slot = 0; slot < SoldierEntity::kEventSlots; ++slot) {
            SCOPED_TRACE(slot);
            EXPECT_EQ(held[slot].runs, stepped[slot].runs);
            EXPECT_EQ(held[slot].fires, stepped[slot].fires);
            EXPECT_GE(stepped[slot].fires.size(), 3u);
        }
        EXPECT_GE(stepped[0].runs.size(), 4u) << "the start event and the timer's runs";
    }
}

} // namespace
