// When a machine runs its program and how it drives the actions a run queued.
#include "scripted_machine.h"

#include "platform/win_rand.h"

#include <gtest/gtest.h>

namespace {

using testsupport::Event;
using testsupport::ScriptedMachine;

constexpr uint32_t kTimerFires = VirtualMachine::kRunPeriodMs; // whatever the phase
constexpr uint32_t kNoTime = 0;

TEST(VirtualMachine, WithoutAProgramNothingRunsAndEventsAreDropped) {
    ScriptedMachine machine;
    machine.PostEvent(Event(1));
    EXPECT_FALSE(machine.Update(kTimerFires));
    EXPECT_EQ(machine.runs, 0);

    machine.Install(ScriptBuilder("late").Call(kCallDropped, 1));
    EXPECT_FALSE(machine.Update(kNoTime)); // the event before the program is gone
    EXPECT_EQ(machine.runs, 0);
    machine.Update(kTimerFires);
    EXPECT_EQ(machine.runs, 1);
    machine.Reset(true);
    EXPECT_FALSE(machine.HasProgram());
    EXPECT_FALSE(machine.Update(kTimerFires));
}

TEST(VirtualMachine, EventsPostedTogetherMakeOneRunThatSeesThemAll) {
    ScriptedMachine machine;
    std::vector<int32_t> seen;
    machine.onCall = [&](ScriptFuncHeader&) {
        Stack<ScriptFuncHeader>& events = machine.Events();
        for (ScriptFuncHeader* event = events.First(); event != nullptr; event = events.Next())
            seen.push_back(event->GetId());
        return 1;
    };
    machine.Install(ScriptBuilder("events").Call(kCallEventTest, 5));
    machine.PostEvent(Event(5));
    machine.PostEvent(Event(6));
    machine.Update(kNoTime);
    EXPECT_EQ(machine.runs, 1);
    EXPECT_EQ(seen, (std::vector<int32_t>{6, 5})); // the later on top
    EXPECT_EQ(machine.Events().Count(), 0);
    machine.Update(kNoTime);
    EXPECT_EQ(machine.runs, 1);
}

TEST(VirtualMachine, AnActionInProgressHoldsOffTheTimerButNotEvents) {
    for (int32_t progress : {kActionRunning, kActionStarted}) {
        SCOPED_TRACE(progress);
        ScriptedMachine machine;
        machine.onCall = [&](ScriptFuncHeader&) { return progress; };
        machine.onUpdate = [&] { return kActionRunning; };
        machine.Install(ScriptBuilder("walk").Call(kCallLatent, 10));
        EXPECT_TRUE(machine.Update(kTimerFires)); // busy once the run has queued the walk
        ASSERT_NE(machine.GetCurrentAction(), nullptr);
        EXPECT_TRUE(machine.Update(kTimerFires));
        EXPECT_TRUE(machine.Update(kTimerFires));
        EXPECT_EQ(machine.runs, 1);

        machine.PostEvent(Event(2)); // its run drops the walk and starts it afresh
        machine.Update(kNoTime);
        EXPECT_EQ(machine.runs, 2);
        EXPECT_EQ(machine.calls, (std::vector<int32_t>{10, 10}));
        EXPECT_EQ(machine.clears, 2);
    }
}

TEST(VirtualMachine, ActionResultsDrainClearOrDeferTheQueue) {
    struct Case {
        const char* what;
        int32_t call;
        std::vector<int32_t> calls;
        int updates;
        bool busyAfter;
    };
    const Case cases[] = {
        {"done: every action in this frame", kActionDone, {1, 2, 3}, 0, false},
        {"failed: the queue goes with it", kActionFailed, {1}, 0, false},
        {"started: first update next frame", kActionStarted, {1}, 0, true},
        {"running: updated in this frame", kActionRunning, {1, 2, 3}, 3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedMachine machine;
        machine.onCall = [&](ScriptFuncHeader&) { return c.call; };
        machine.Install(
            ScriptBuilder("queue").Call(kCallLatent, 1).Call(kCallLatent, 2).Call(kCallLatent, 3));
        machine.Execute();
        EXPECT_TRUE(machine.Update(kNoTime)); // busy as the frame began
        EXPECT_EQ(machine.calls, c.calls);
        EXPECT_EQ(machine.updates, c.updates);
        EXPECT_EQ(machine.IsBusy(), c.busyAfter);
    }

    ScriptedMachine machine; // an update that fails takes the queue too
    machine.onCall = [](ScriptFuncHeader&) { return kActionStarted; };
    int updateResult = kActionRunning;
    machine.onUpdate = [&] { return updateResult; };
    machine.Install(ScriptBuilder("update").Call(kCallLatent, 1).Call(kCallLatent, 2));
    machine.Execute();
    machine.Update(kNoTime);
    machine.Update(kNoTime);
    EXPECT_EQ(machine.updates, 1);
    EXPECT_TRUE(machine.IsBusy());
    updateResult = kActionFailed;
    machine.Update(kNoTime);
    EXPECT_FALSE(machine.IsBusy());
    EXPECT_EQ(machine.calls, (std::vector<int32_t>{1}));
}

// A native that makes another machine run at once (a creature told of an event) leaves the
// calling run's values where they were; asked to run its own machine, it does nothing.
TEST(VirtualMachine, ARunStartedFromANativeKeepsTheCallersValues) {
    ScriptedMachine other;
    other.Install(ScriptBuilder("other").Call(kCallQuery, 9).Call(kCallQuery, 9).Pop().Pop());
    for (bool self : {false, true}) {
        SCOPED_TRACE(self ? "its own machine" : "another machine");
        ScriptedMachine machine;
        ScriptedMachine& woken = self ? machine : other;
        woken.runs = 0;
        machine.onCall = [&](ScriptFuncHeader& header) {
            if (header.GetId() == 2)
                woken.Execute();
            return 1;
        };
        machine.Install(ScriptBuilder("outer")
                            .Call(kCallQuery, 1)
                            .Call(kCallQuery, 2)
                            .And()
                            .Call(kCallQuery, 3));
        machine.Execute();
        EXPECT_EQ(woken.runs, self ? 2 : 1); // the nested call on itself runs nothing
        EXPECT_EQ(machine.calls, (std::vector<int32_t>{1, 2, 3}));
        EXPECT_EQ(machine.StackValues(), (std::vector<double>{1, 1}));
    }
}

// The action in progress makes its own machine run, which queues another action in the
// entry the current one came from; the current record stays whole and its failure does
// not take the new action with it.
TEST(VirtualMachine, AnActionReplacedDuringItsCallKeepsItsRecordAndTheNewQueue) {
    ScriptedMachine machine;
    std::vector<int32_t> idsAfterRun;
    machine.onCall = [&](ScriptFuncHeader& header) -> int32_t {
        switch (header.GetId()) {
        case 5: // the event test
            return machine.Events().Count() > 0;
        case 10:
            machine.PostEvent(Event(5));
            machine.Execute();
            idsAfterRun.push_back(header.GetId());
            return kActionFailed;
        default:
            return kActionStarted;
        }
    };
    machine.Install(ScriptBuilder("replace")
                        .Call(kCallEventTest, 5)
                        .JumpIfFalse("walk")
                        .Call(kCallLatent, 20)
                        .End()
                        .Label("walk")
                        .Call(kCallLatent, 10));
    machine.Update(kTimerFires);
    EXPECT_EQ(idsAfterRun, (std::vector<int32_t>{10}));
    EXPECT_EQ(machine.QueuedIds(), (std::vector<int32_t>{20}));
    machine.Update(kNoTime);
    ASSERT_NE(machine.GetCurrentAction(), nullptr);
    EXPECT_EQ(machine.GetCurrentAction()->GetId(), 20);
}

TEST(VirtualMachine, ANativeThatReplacesTheProgramEndsTheRun) {
    ScriptedMachine machine;
    machine.onCall = [&](ScriptFuncHeader& header) {
        if (header.GetId() == 2)
            machine.Install(ScriptBuilder("next").Call(kCallDropped, 7));
        return 1;
    };
    machine.Install(
        ScriptBuilder("first").Call(kCallQuery, 1).Call(kCallQuery, 2).Call(kCallQuery, 3));
    machine.Execute();
    EXPECT_EQ(machine.calls, (std::vector<int32_t>{1, 2}));
    machine.Execute();
    EXPECT_EQ(machine.calls, (std::vector<int32_t>{1, 2, 7}));
}

} // namespace

namespace {

// Frames of 33 ms given one by one, or counted while QuietMs allows and given at once: the
// runs come in the same frames and HasFired says the same after each.
TEST(VirtualMachine, QuietFramesCountedAtOnceRunTheProgramWhenFrameByFrameWould) {
    constexpr uint32_t kFrameMs = 33;
    for (unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        platform::SeedRand(seed);
        ScriptedMachine stepped;
        platform::SeedRand(seed);
        ScriptedMachine counted;
        for (ScriptedMachine* machine : {&stepped, &counted})
            machine->Install(ScriptBuilder("idle").Call(kCallDropped, 1));
        int held = 0;
        for (int frame = 0; frame < 100; ++frame) {
            stepped.Update(kFrameMs);
            if (counted.QuietMs() >= held + static_cast<int>(kFrameMs)) {
                held += kFrameMs;
            } else {
                if (held > 0)
                    counted.CountQuietMs(held);
                held = 0;
                counted.Update(kFrameMs);
            }
            ASSERT_EQ(counted.runs, stepped.runs) << "frame " << frame;
            if (held == 0) {
                ASSERT_EQ(counted.HasFired(), stepped.HasFired()) << "frame " << frame;
            }
        }
        EXPECT_GE(stepped.runs, 6);
    }
}

// Anything for the next Update to do ends the quiet.
TEST(VirtualMachine, AnEventAnActionOrADueTimerIsNotQuiet) {
    ScriptedMachine machine;
    machine.onCall = [](ScriptFuncHeader&) { return kActionRunning; };
    machine.onUpdate = [] { return kActionRunning; };
    machine.Install(ScriptBuilder("walk").Call(kCallLatent, 10));
    machine.SetPeriod(100);
    EXPECT_GE(machine.QuietMs(), 0);
    EXPECT_LT(machine.QuietMs(), 100);
    machine.PostEvent(Event(2));
    EXPECT_EQ(machine.QuietMs(), -1);
    machine.Update(kNoTime); // runs, and the walk goes on
    EXPECT_TRUE(machine.IsBusy());
    EXPECT_EQ(machine.QuietMs(), -1);
    machine.ClearActions();
    ASSERT_GE(machine.QuietMs(), 0);
    machine.CountQuietMs(machine.QuietMs());
    EXPECT_EQ(machine.QuietMs(), 0) << "one millisecond short of the timer";
    EXPECT_FALSE(machine.HasFired());
    machine.Update(1);
    EXPECT_TRUE(machine.HasFired());
}

} // namespace
