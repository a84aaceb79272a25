// What each instruction does within one run.
#include "scripted_machine.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using testsupport::ScriptedMachine;

// Queries answer with their id's entry in the table (0 when missing).
void AnswerQueries(ScriptedMachine& machine, std::map<int32_t, int32_t> answers) {
    machine.onCall = [answers](ScriptFuncHeader& header) {
        const auto found = answers.find(header.GetId());
        return found == answers.end() ? 0 : found->second;
    };
}

TEST(InstructionSet, RandomDrawsWithinItsBoundsAndOneCaseMatches) {
    ScriptedMachine machine;
    machine.Install(ScriptBuilder("cases").Random(5, 5).Case(4).Case(5).Case(9));
    for (int run = 0; run < 20; ++run) {
        machine.Execute();
        EXPECT_EQ(machine.StackValues(), (std::vector<double>{0, 1, 0}));
    }

    machine.Install(ScriptBuilder("either").Random(1, 2).Case(1));
    std::set<double> seen;
    for (int run = 0; run < 100; ++run) {
        machine.Execute();
        seen.insert(machine.StackValues().front());
    }
    EXPECT_EQ(seen.size(), 2u); // the upper bound is drawn too

    machine.Install(ScriptBuilder("unchosen").Case(65535)); // no RANDOM yet in this run
    machine.Execute();
    EXPECT_EQ(machine.StackValues(), (std::vector<double>{0}));
}

TEST(InstructionSet, JumpsSkipForwardAndTheConditionalTruncatesItsValue) {
    ScriptedMachine machine;
    machine.Install(ScriptBuilder("jumps")
                        .Raw(static_cast<uint8_t>(ScriptOpcode::JUMP), 1) // as NOP
                        .Call(kCallDropped, 1)
                        .Jump("over")
                        .Call(kCallDropped, 2)
                        .Label("over")
                        .Call(kCallDropped, 3)
                        .Jump("out")
                        .Label("out"));
    machine.Execute();
    EXPECT_EQ(machine.calls, (std::vector<int32_t>{1, 3}));

    machine.Install(ScriptBuilder("branch")
                        .Push(7)
                        .JumpIfFalse("false")
                        .Call(kCallDropped, 1)
                        .Label("false")
                        .Call(kCallDropped, 2));
    const std::pair<double, std::vector<int32_t>> cases[] = {
        {0.9, {2}}, {-0.9, {2}}, {0.0, {2}}, {-1.0, {1, 2}}, {1.0, {1, 2}}, {1e300, {1, 2}}};
    for (const auto& [value, calls] : cases) {
        SCOPED_TRACE(value);
        machine.calls.clear();
        machine.Values().At(7).value = value;
        machine.Execute();
        EXPECT_EQ(machine.calls, calls);
        EXPECT_TRUE(machine.StackValues().empty());
    }
}

TEST(InstructionSet, StoreLeavesItsValueOnTheStack) {
    ScriptedMachine machine;
    AnswerQueries(machine, {{1, 42}});
    machine.Install(ScriptBuilder("store").Call(kCallQuery, 1).Store(9).Clear(8));
    machine.Values().At(8).value = 5;
    machine.Execute();
    EXPECT_EQ(machine.Values().At(9).value, 42);
    EXPECT_EQ(machine.Values().At(8).value, 0);
    EXPECT_EQ(machine.StackValues(), (std::vector<double>{42}));

    machine.Install(ScriptBuilder("store and pop").Call(kCallQuery, 1).Store(9).Pop().Push(9));
    machine.Execute();
    EXPECT_EQ(machine.StackValues(), (std::vector<double>{42})); // the pushed copy alone
}

TEST(InstructionSet, LogicTakesIntegersAndFreesItsOperands) {
    struct Case {
        int32_t x, y;
        double notX, andXY, orXY;
    };
    for (const Case& c :
         {Case{0, 0, 1, 0, 0}, Case{0, 3, 1, 0, 1}, Case{-2, 0, 0, 0, 1}, Case{5, 1, 0, 1, 1}}) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        ScriptedMachine machine;
        AnswerQueries(machine, {{1, c.x}, {2, c.y}});
        machine.Install(ScriptBuilder("logic")
                            .Call(kCallQuery, 1)
                            .Not()
                            .Call(kCallQuery, 1)
                            .Call(kCallQuery, 2)
                            .And()
                            .Call(kCallQuery, 1)
                            .Call(kCallQuery, 2)
                            .Or());
        machine.Execute();
        EXPECT_EQ(machine.StackValues(), (std::vector<double>{c.notX, c.andXY, c.orXY}));
        // Each result took the lowest slot its operands left free.
        EXPECT_EQ(machine.Values().Alloc(), 3);
    }
}

TEST(InstructionSet, CallsByTypeQueueCallOrPush) {
    ScriptedMachine machine;
    AnswerQueries(machine, {{3, 7}, {4, 8}, {5, 9}});
    machine.Install(ScriptBuilder("calls")
                        .Call(kCallLatent, 1)
                        .Call(kCallImmediate, 2)
                        .Call(kCallEventTest, 3)
                        .Call(kCallQuery, 4)
                        .Call(kCallDropped, 5)
                        .Call(0, 6)
                        .Call(6, 7)
                        .Call(kCallLatent, 8));
    for (int run = 1; run <= 2; ++run) {
        machine.calls.clear();
        machine.Execute();
        EXPECT_EQ(machine.clears, run); // once per run, before its first action
        EXPECT_EQ(machine.QueuedIds(), (std::vector<int32_t>{1, 8}));
        EXPECT_EQ(machine.calls, (std::vector<int32_t>{2, 3, 4, 5}));
        EXPECT_EQ(machine.StackValues(), (std::vector<double>{7, 8}));
    }
}

TEST(InstructionSet, EndStopsTheRunAndOpcodesWithoutAMeaningDoNothing) {
    ScriptBuilder script("inert");
    for (int opcode : {0, 7, 8, 9, 10, 11, 12, 14, 16, 17, 18, 19, 22, 26, 200, 255})
        script.Raw(static_cast<uint8_t>(opcode), 3, 4);
    script.Call(kCallDropped, 1).End().Call(kCallDropped, 2);
    ScriptedMachine machine;
    machine.Install(script);
    machine.Execute();
    EXPECT_EQ(machine.calls, (std::vector<int32_t>{1}));
    EXPECT_TRUE(machine.StackValues().empty());
    EXPECT_EQ(machine.Values().At(3).value, 0);
}

} // namespace
