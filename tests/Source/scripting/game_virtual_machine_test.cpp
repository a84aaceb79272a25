#include "Source/scripting/game_virtual_machine.h"

#include "Source/scripting/script_world.h"

#include <functional>

using namespace testsupport;

namespace {

constexpr int kFacingNative = 10;
constexpr int kAttackNative = 16;

// A game machine whose last run's pushed values the test reads.
class ObservedMachine : public GameVirtualMachine {
public:
    using GameVirtualMachine::GameVirtualMachine;

    // The value the run left on top of its stack; -1 when it left none.
    double LastPushed() {
        const int32_t* top = ValueStack().Top();
        return top ? Values().At(*top).value : -1;
    }
};

class GameMachine : public ScriptWorld {
protected:
    void SetUp() override {
        ScriptWorld::SetUp();
        m_owner = Named("owner", 10, 10);
        m_troll = Named("troll", 12, 10);
    }

    // A script of the one event test, installed.
    static void InstallTest(ObservedMachine& machine, const ScriptFuncHeader& test) {
        ScriptBuilder script("test");
        Install(machine, script.Call(test).End());
    }
    // Runs the script once on what was posted; true when its test held.
    static bool Holds(ObservedMachine& machine) {
        machine.Update(0);
        return machine.LastPushed() == 1;
    }
    const std::vector<std::string>& Commands() { return BehaviourOf(m_owner).log; }

    SoldierEntity* m_owner = nullptr;
    SoldierEntity* m_troll = nullptr;
};

using Poster = std::function<void(ScriptMachine&)>;

TEST_F(GameMachine, EveryEventIsTestedByItsCodeAndArguments) {
    const EntityRef troll = Pattern("troll");
    const EntityRef elf = Pattern("elf");
    const auto test = [](int code, const auto&... arguments) {
        return ScriptBuilder::Header(kNativeEventTest, code, arguments...);
    };
    const struct {
        const char* what;
        Poster post;
        ScriptFuncHeader test;
        bool holds;
    } cases[] = {
        {"start", [](ScriptMachine& m) { m.PostStartEvent(); }, test(1), true},
        {"region entered", [](ScriptMachine& m) { m.PostRegionEnteredEvent(); }, test(2), true},
        {"party placed", [](ScriptMachine& m) { m.PostPartyPlacedEvent(); }, test(3), true},
        {"death", [](ScriptMachine& m) { m.PostDeathEvent(); }, test(4), true},
        {"died, that one", [&](ScriptMachine& m) { m.PostEntityDiedEvent(troll); }, test(5, troll),
         true},
        {"attacked, any number", [&](ScriptMachine& m) { m.PostAttackedEvent(troll, 7); },
         test(6, troll, 0), true},
        {"attacked, that number", [&](ScriptMachine& m) { m.PostAttackedEvent(troll, 7); },
         test(6, troll, 7.9), true},
        {"attacked, another number", [&](ScriptMachine& m) { m.PostAttackedEvent(troll, 7); },
         test(6, troll, 3), false},
        {"notice, any bits", [&](ScriptMachine& m) { m.PostEvent7(troll, 8); }, test(7, troll, 1),
         true},
        {"notice, a shared bit", [&](ScriptMachine& m) { m.PostEvent7(troll, 6); },
         test(7, troll, 4), true},
        {"notice, no shared bit", [&](ScriptMachine& m) { m.PostEvent7(troll, 6); },
         test(7, troll, 8), false},
        {"never", [](ScriptMachine& m) { m.PostEvent(ScriptBuilder::Header(3, 8)); }, test(8),
         false},
        {"call", [&](ScriptMachine& m) { m.PostEvent9(troll, 4); }, test(9, troll, 4), true},
        {"shout", [&](ScriptMachine& m) { m.PostEvent10(troll, 4); }, test(10, troll, 4), true},
        {"shout of self, the number unread", [&](ScriptMachine& m) { m.PostEvent11(troll); },
         test(11, troll, 99), true},
        {"shout of self, another", [&](ScriptMachine& m) { m.PostEvent11(troll); }, test(11, elf),
         false},
        {"signal", [](ScriptMachine& m) { m.PostEvent12(2); }, test(12, 2), true},
        {"item used, case ignored", [](ScriptMachine& m) { m.PostItemUsedEvent("Key"); },
         test(13, "KEY"), true},
        {"opened", [&](ScriptMachine& m) { m.PostEvent14(troll); }, test(14, troll), true},
        {"closed", [&](ScriptMachine& m) { m.PostEvent15(troll); }, test(15, troll), true},
        {"trap", [&](ScriptMachine& m) { m.PostEvent16(troll); }, test(16, troll), true},
        {"lock picked", [&](ScriptMachine& m) { m.PostLockPickedEvent(troll); }, test(17, troll),
         true},
        {"lock picked by another", [&](ScriptMachine& m) { m.PostLockPickedEvent(troll); },
         test(17, elf), false},
        {"number", [](ScriptMachine& m) { m.PostNumberEvent(5); }, test(18, 5), true},
        {"key", [](ScriptMachine& m) { m.PostKeyEvent(32); }, test(19, 32), true},
        {"dialogue", [](ScriptMachine& m) { m.PostDialogueEvent(); }, test(20), true},
        {"world area", [](ScriptMachine& m) { m.PostWorldAreaEvent(); }, test(21), true},
        {"world map", [](ScriptMachine& m) { m.PostEvent22(); }, test(22), true},
        {"another code pending", [](ScriptMachine& m) { m.PostEvent22(); }, test(21), false},
        {"a test with no arguments", [&](ScriptMachine& m) { m.PostAttackedEvent(troll, 7); },
         test(6), false},
    };
    ObservedMachine machine(m_owner);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        InstallTest(machine, c.test);
        c.post(machine);
        EXPECT_EQ(Holds(machine), c.holds);
    }
}

TEST_F(GameMachine, TheLatestEventOfTheCodeDecidesAndEventsLastOneRun) {
    const EntityRef troll = Pattern("troll");
    ObservedMachine machine(m_owner);
    InstallTest(machine, ScriptBuilder::Header(kNativeEventTest, 6, troll, 7));
    machine.PostAttackedEvent(troll, 7);
    machine.PostAttackedEvent(troll, 3);
    EXPECT_FALSE(Holds(machine));
    machine.PostAttackedEvent(troll, 3);
    machine.PostAttackedEvent(troll, 7);
    EXPECT_TRUE(Holds(machine));
    machine.PostStartEvent();
    EXPECT_FALSE(Holds(machine)) << "the run emptied the events";
}

TEST_F(GameMachine, CallsWithoutANativeGiveNothing) {
    const EntityRef troll = Pattern("troll");
    const struct {
        const char* what;
        ScriptFuncHeader record;
    } cases[] = {
        {"category 0", ScriptBuilder::Header(0, kAttackNative, troll)},
        {"category 5", ScriptBuilder::Header(5, kAttackNative, troll)},
        {"action 508", ScriptBuilder::Header(kNativeAction, 508, troll)},
        {"action -1", ScriptBuilder::Header(kNativeAction, -1, troll)},
        {"an action no native holds", ScriptBuilder::Header(kNativeAction, 102, troll)},
        {"condition 0", ScriptBuilder::Header(kNativeCondition, 0, troll)},
        {"condition 72", ScriptBuilder::Header(kNativeCondition, 72, troll)},
        {"control 2", ScriptBuilder::Header(kNativeControl, 2, troll)},
        {"event code 23", ScriptBuilder::Header(kNativeEventTest, 23, troll)},
        {"an action short of its reference", ScriptBuilder::Header(kNativeAction, kAttackNative)},
        {"an action short of its number", ScriptBuilder::Header(kNativeAction, kFacingNative)},
    };
    GameVirtualMachine machine(m_owner);
    for (auto c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(machine.CallNative(c.record), 0);
    }
    EXPECT_TRUE(Commands().empty());
}

TEST_F(GameMachine, AReferenceThatNamesNothingFailsTheActionAndEmptiesTheQueue) {
    GameVirtualMachine machine(m_owner);
    ScriptBuilder script("lost");
    script.Call(kNativeAction, kAttackNative, Pattern("nobody"));
    script.Call(kNativeAction, kAttackNative, Pattern("troll"));
    Install(machine, script.End());
    machine.PostStartEvent();
    testing::internal::CaptureStderr();
    for (int frame = 0; frame < 3; ++frame)
        machine.Update(0);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("ACTION CALL FAILED: 16"),
              std::string::npos);
    EXPECT_FALSE(machine.IsBusy());
    EXPECT_TRUE(Commands().empty()) << "nothing attacks";

    Entity* found = nullptr;
    EXPECT_TRUE(machine.PrepareArguments(Pattern("owner"), found));
    EXPECT_EQ(found, m_owner);
    EntityRef self;
    self.AddToList(1); // the caller itself
    EXPECT_TRUE(machine.PrepareArguments(self, found));
    EXPECT_EQ(found, m_owner);
}

TEST_F(GameMachine, AnActionLastsWhileItsOwnerCreatureIsAtItOnTheAreaMap) {
    GameVirtualMachine machine(m_owner);
    FakeBehaviour& behaviour = BehaviourOf(m_owner);
    behaviour.status = 3;
    EXPECT_EQ(machine.GetOwnerState(), 3);
    behaviour.status = 7; // any other value: still running
    EXPECT_EQ(machine.GetOwnerState(), 7);
    behaviour.status = 0;
    EXPECT_EQ(machine.GetOwnerState(), 0);
    const Vector there(20, 10, 0);
    m_owner->OnEvent(SoldierEntity::kEventWalkTo, &there, 0, 0);
    EXPECT_EQ(machine.GetOwnerState(), 3) << "an order is pending";
    EnterMode(kModeStoryPage);
    EXPECT_EQ(machine.GetOwnerState(), 1);
    EnterMode(kModeAreaMap);
    EXPECT_EQ(GameVirtualMachine(nullptr).GetOwnerState(), 1);
}

// An idle machine stops nothing: the command under way may be another machine's.
TEST_F(GameMachine, ClearingItsActionsStopsTheOwnerUnlessItKeepsItsCommand) {
    GameVirtualMachine machine(m_owner);
    ScriptBuilder script("attacks");
    Install(machine, script.Call(kNativeAction, kAttackNative, Pattern("troll")).End());
    const auto attackThenClear = [&] {
        machine.PostStartEvent();
        machine.Update(0);
        EXPECT_TRUE(machine.IsBusy());
        machine.ClearActions();
        EXPECT_FALSE(machine.IsBusy());
    };
    machine.ClearActions();
    EXPECT_TRUE(Commands().empty());
    attackThenClear();
    EXPECT_EQ(Commands(), (std::vector<std::string>{"command 3 troll", "clear"}));
    machine.SetKeepOwnerCommand(true);
    attackThenClear();
    EXPECT_EQ(Commands().back(), "command 3 troll");
    machine.Reset();
    EXPECT_FALSE(machine.KeepsOwnerCommand());
}

} // namespace
