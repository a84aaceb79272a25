// The compiled script file: its bytes, and the programs a machine refuses to take.
#include "Library/core/test_stream_support.h"
#include "scripted_machine.h"

#include <gtest/gtest.h>

namespace {

using testsupport::ScriptedMachine;

// Script "ab": CALL 0, RANDOM 1 300; one query record (id 46, reserved 7) holding the number
// 1.5, the text "Hi", an entity reference and the vector (1, -2, 0.5).
const Bytes kEveryArgument = {
    0x03, 0x00, 'a',  'b',  0x00,                   // name
    0x02, 0x00, 0x00, 0x00,                         // instruction count
    0x17, 0x00, 0x00, 0x00, 0x00,                   // CALL 0
    0x18, 0x01, 0x00, 0x2C, 0x01,                   // RANDOM 1 300
    0x01, 0x00, 0x00, 0x00,                         // record count
    0x04, 0x00, 0x00, 0x00,                         // type: query
    0x2E, 0x00, 0x00, 0x00,                         // id 46
    0x07, 0x00, 0x00, 0x00,                         // reserved
    0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, // one number, one text,
    0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, // one reference, one vector
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF8, 0x3F, // 1.5
    0x03, 0x00, 'H',  'i',  0x00,                   // "Hi"
    0x03, 0x00, 0x00, 0x00, 0x09, 0x00, 0x00, 0x00, // life state 3, match5 9
    0x08, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, // match4 8, match1 5
    0x06, 0x00, 0x00, 0x00, 0x07, 0x00, 0x00, 0x00, // match2 6, match3 7
    0xC8, 0x00, 0x00, 0x00,                         // side 200
    0x02, 0x00, 'x',  0x00,                         // name "x"
    0x02, 0x00, 0x00, 0x00,                         // list count
    0x01, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00, // list: 1, 0x10
    0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x00, 0xC0, // 1, -2
    0x00, 0x00, 0x00, 0x3F,                         // 0.5
};
constexpr size_t kInstructionsAt = 5;
constexpr size_t kRecordsAt = kInstructionsAt + 4 + 2 * 5;
constexpr size_t kCountsAt = kRecordsAt + 4 + 12;
constexpr size_t kListCountAt = kCountsAt + 16 + 8 + 5 + 28 + 4;

Bytes Saved(const VirtualMachine& machine) {
    return WrittenBy([&](Stream& stream) { return machine.Save(stream); });
}

Bytes Stored(const ScriptBuilder& script) {
    return WrittenBy([&](Stream& stream) { return script.Write(stream); });
}

bool Load(VirtualMachine& machine, const Bytes& bytes) {
    TestStream stream(bytes);
    return machine.Load(stream);
}

template <class T> void Put(Bytes& bytes, size_t at, T value) {
    std::memcpy(bytes.data() + at, &value, sizeof value);
}

TEST(ScrFormat, EveryArgumentKindLoadsAndSavesByteForByte) {
    ScriptedMachine machine;
    ASSERT_TRUE(Load(machine, kEveryArgument));
    EXPECT_STREQ(machine.GetName().c_str(), "ab");
    ASSERT_EQ(machine.GetInstructions().Count(), 2);
    EXPECT_TRUE(machine.GetInstructions().At(1) == ScriptInstruction(ScriptOpcode::RANDOM, 1, 300));

    EntityRef ref;
    ref.Set(200, 3, 5, 6, 7, 8, 9);
    ref.SetName("x");
    ref.AddToList(1);
    ref.AddToList(0x10);
    ScriptFuncHeader expected =
        ScriptBuilder::Header(kCallQuery, 46, 1.5, "HI", ref, Vector(1, -2, 0.5f));
    expected.SetReserved(7);
    ASSERT_EQ(machine.GetHeaders().Count(), 1);
    EXPECT_TRUE(machine.GetHeaders().At(0) == expected);
    expected.SetReserved(-1);
    EXPECT_FALSE(machine.GetHeaders().At(0) == expected); // carried and compared

    EXPECT_EQ(Saved(machine), kEveryArgument);
    VirtualMachine copy;
    copy.SetName("ab");
    ASSERT_TRUE(copy.SetProgram(machine.GetHeaders(), machine.GetInstructions()));
    EXPECT_EQ(Saved(copy), kEveryArgument);
}

TEST(ScrFormat, EmptyNamesRecordsAndProgramsAreValid) {
    ScriptBuilder empty("");
    EXPECT_EQ(Stored(empty), (Bytes{0x00, 0x00, 0, 0, 0, 0, 0, 0, 0, 0}));
    ScriptedMachine machine;
    machine.SetName("kept?");
    ASSERT_TRUE(Load(machine, Stored(empty)));
    EXPECT_STREQ(machine.GetName().c_str(), "");
    EXPECT_FALSE(machine.HasProgram());
    EXPECT_FALSE(machine.Update(VirtualMachine::kRunPeriodMs));

    ScriptBuilder bare("");
    bare.Call(kCallDropped, 0);
    const Bytes record = {0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF,
                          0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                          0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    const Bytes bytes = Stored(bare);
    ASSERT_EQ(bytes.size(), 2 + 4 + 5 + 4 + record.size());
    EXPECT_EQ(Bytes(bytes.end() - 28, bytes.end()), record);
}

TEST(ScrFormat, EveryTruncatedFileIsRefusedAndLeavesNoProgram) {
    for (size_t size = 0; size < kEveryArgument.size(); ++size) {
        ScriptedMachine machine;
        ASSERT_TRUE(Load(machine, kEveryArgument));
        machine.SetName("before");
        EXPECT_FALSE(Load(machine, Bytes(kEveryArgument.begin(), kEveryArgument.begin() + size)))
            << size;
        EXPECT_FALSE(machine.HasProgram());
        EXPECT_EQ(machine.GetHeaders().Count(), 0);
        EXPECT_STREQ(machine.GetName().c_str(), "before");
    }
    TestStream closed(kEveryArgument);
    closed.Close();
    VirtualMachine machine;
    EXPECT_FALSE(machine.Load(closed));
    EXPECT_FALSE(machine.Save(closed));
}

TEST(ScrFormat, ForgedCountsAndRecordsAreRefused) {
    struct Forgery {
        const char* what;
        std::function<void(Bytes&)> forge;
    };
    const Forgery forgeries[] = {
        {"a negative instruction count", [](Bytes& b) { Put(b, kInstructionsAt, -1); }},
        {"more instructions than bytes", [](Bytes& b) { Put(b, kInstructionsAt, 40); }},
        {"a negative record count", [](Bytes& b) { Put(b, kRecordsAt, int32_t{-2}); }},
        {"more records than bytes", [](Bytes& b) { Put(b, kRecordsAt, 0x10000000); }},
        {"a negative number count", [](Bytes& b) { Put(b, kCountsAt, -1); }},
        {"a negative vector count", [](Bytes& b) { Put(b, kCountsAt + 12, INT32_MIN); }},
        {"more texts than bytes", [](Bytes& b) { Put(b, kCountsAt + 4, 100); }},
        {"a reference listing -1 steps", [](Bytes& b) { Put(b, kListCountAt, -1); }},
        {"a reference listing 6 steps", [](Bytes& b) { Put(b, kListCountAt, 6); }},
        {"a name without its NUL", [](Bytes& b) { b[4] = 'c'; }},
        {"a text without its NUL", [](Bytes& b) { b[kCountsAt + 16 + 8 + 4] = '!'; }},
        {"a CALL past the records", [](Bytes& b) { Put(b, kInstructionsAt + 4 + 1, uint16_t{1}); }},
    };
    for (const Forgery& forgery : forgeries) {
        SCOPED_TRACE(forgery.what);
        Bytes bytes = kEveryArgument;
        forgery.forge(bytes);
        ScriptedMachine machine;
        EXPECT_FALSE(Load(machine, bytes));
        EXPECT_FALSE(machine.HasProgram());
    }
}

TEST(ScrFormat, ProgramsThatWouldLoopOrTakeAMissingValueAreRefused) {
    const auto jumpTo = [](ScriptOpcode opcode) { return static_cast<uint8_t>(opcode); };
    struct Program {
        const char* what;
        ScriptBuilder script;
    };
    Program programs[] = {
        {"a JUMP of 0", ScriptBuilder("p").Raw(jumpTo(ScriptOpcode::JUMP), 0)},
        {"a JUMP_IF_FALSE of 0",
         ScriptBuilder("p").Case(1).Raw(jumpTo(ScriptOpcode::JUMP_IF_FALSE), 0)},
        {"a POP first", ScriptBuilder("p").Pop()},
        {"a STORE first", ScriptBuilder("p").Store(0)},
        {"a NOT first", ScriptBuilder("p").Not()},
        {"an AND of one value", ScriptBuilder("p").Case(1).And()},
        {"an OR after a dropped call", ScriptBuilder("p").Case(1).Call(kCallDropped, 1).Or()},
        {"a JUMP_IF_FALSE with nothing pushed", ScriptBuilder("p").JumpIfFalse("x").Label("x")},
        {"a POP reached past the PUSH",
         ScriptBuilder("p").Case(1).JumpIfFalse("pop").Push(0).Label("pop").Pop()},
        {"a POP reached by a jump over the PUSH",
         ScriptBuilder("p").Jump("pop").Push(0).Label("pop").Pop()},
    };
    for (Program& program : programs) {
        SCOPED_TRACE(program.what);
        VirtualMachine machine;
        EXPECT_FALSE(
            machine.SetProgram(program.script.GetHeaders(), program.script.GetInstructions()));
        EXPECT_FALSE(machine.HasProgram());
        TestStream stream;
        EXPECT_FALSE(program.script.Write(stream));
    }

    // Never reached, or reached only with a value to take: these run.
    VirtualMachine machine;
    for (ScriptBuilder script :
         {ScriptBuilder("p").End().Pop(), ScriptBuilder("p").Jump("x").Pop().Label("x"),
          ScriptBuilder("p").Case(1).Case(1).JumpIfFalse("x").Push(0).Label("x").Pop()}) {
        EXPECT_TRUE(machine.SetProgram(script.GetHeaders(), script.GetInstructions()));
        machine.Execute();
    }
}

TEST(ScrFormat, SlotOperandsPastTheTableGrowIt) {
    ScriptedMachine machine;
    machine.Install(ScriptBuilder("far").Case(0).Store(300).Push(65535).Clear(299));
    EXPECT_GE(machine.Values().Capacity(), 65536);
    machine.Execute();
    EXPECT_EQ(machine.StackValues(), (std::vector<double>{0, 0}));
}

} // namespace
