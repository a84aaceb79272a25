#pragma once
// The running game on the demo map, its party at the gate, where a test hands a script
// machine one call to make as the machine makes its script's calls.

#include "Source/scripting/game_virtual_machine.h"
#include "Source/world/demo_game.h"
#include "tools/scriptbuilder/script_builder.h"

#include <gtest/gtest.h>

namespace testsupport {

class DemoScriptGame : public DemoGame {
protected:
    void SetUp() override {
        DemoGame::SetUp();
        StartOnDemoMap();
    }
    template <class... Arguments>
    static int32_t Act(ScriptMachine& slot, int number, const Arguments&... arguments) {
        ScriptFuncHeader call = ScriptBuilder::Header(kNativeAction, number, arguments...);
        return GameVirtualMachine::Of(slot)->CallAction(call);
    }
    // The call as the machine's program, run from its start event as a script runs.
    template <class... Arguments>
    static void Run(ScriptMachine& slot, int number, const Arguments&... arguments) {
        ScriptBuilder script("run");
        script.Call(kNativeAction, number, arguments...).End();
        RunProgram(slot, script);
    }
    static void RunProgram(ScriptMachine& slot, const ScriptBuilder& script) {
        ASSERT_TRUE(GameVirtualMachine::Of(slot)->SetProgram(script.GetHeaders(),
                                                             script.GetInstructions()));
        slot.PostStartEvent();
        slot.Update(0);
    }
    // The calls, made by the machine whenever event code is posted to it.
    static void OnEvent(ScriptMachine& slot, int code, const ScriptFuncHeader& call) {
        ScriptBuilder script("on event");
        script.Call(kCallEventTest, code).JumpIfFalse("end").Call(call).Label("end").End();
        ASSERT_TRUE(GameVirtualMachine::Of(slot)->SetProgram(script.GetHeaders(),
                                                             script.GetInstructions()));
    }
};

} // namespace testsupport
