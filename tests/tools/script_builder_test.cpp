#include "tools/scriptbuilder/script_builder.h"

#include "Library/core/test_stream_support.h"
#include "Library/files/file_stream.h"
#include "LibraryScriptCompiler/virtual_machine.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

namespace {

bool Writes(const ScriptBuilder& script) {
    TestStream stream;
    return script.Write(stream);
}

TEST(ScriptBuilder, ForwardLabelsBecomeJumpDistances) {
    ScriptBuilder script("labels");
    script.Case(1).JumpIfFalse("end").Jump("end").Nop().Jump("next").Label("next").Label("end");
    const InstructionList& instructions = script.GetInstructions();
    ASSERT_EQ(instructions.Count(), 5);
    EXPECT_EQ(instructions.At(1).a, 4);
    EXPECT_EQ(instructions.At(2).a, 3);
    EXPECT_EQ(instructions.At(4).a, 1);
    EXPECT_TRUE(Writes(script));
}

TEST(ScriptBuilder, LabelsOutOfPlaceAndProgramsTheMachineRefusesAreNotWritten) {
    struct Case {
        const char* what;
        ScriptBuilder script;
    };
    Case cases[] = {
        {"never placed", ScriptBuilder("s").Jump("nowhere")},
        {"placed before its jump", ScriptBuilder("s").Label("back").Jump("back").Label("x")},
        {"placed twice", ScriptBuilder("s").Jump("twice").Label("twice").Nop().Label("twice")},
        {"a value taken from nothing", ScriptBuilder("s").Pop()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(Writes(c.script));
    }
}

TEST(ScriptBuilder, AFileIsWrittenWholeWithItsDirectories) {
    testsupport::ScratchDir dir;
    const Stringc path = Stringc(dir.Root().c_str()) + "/Script/deep/test.scr";
    ASSERT_TRUE(ScriptBuilder("test").Call(kCallQuery, 4, "x").WriteFile(path));
    FileStream file(path.c_str(), kStreamReadBinary);
    VirtualMachine machine;
    ASSERT_TRUE(machine.Load(file));
    EXPECT_STREQ(machine.GetName().c_str(), "test");
    EXPECT_EQ(machine.GetHeaders().At(0).GetString(0), "x");

    EXPECT_FALSE(ScriptBuilder("bad").Pop().WriteFile(path));
    FileStream kept(path.c_str(), kStreamReadBinary);
    EXPECT_TRUE(machine.Load(kept)); // the old file stands
}

} // namespace
