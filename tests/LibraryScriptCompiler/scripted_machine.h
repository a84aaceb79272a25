#pragma once
// A script machine whose natives the test scripts: every call and update is recorded, and
// the results come from the test's functions (kActionDone when none is given).

#include "LibraryScriptCompiler/virtual_machine.h"
#include "tools/scriptbuilder/script_builder.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace testsupport {

class ScriptedMachine : public VirtualMachine {
public:
    using VirtualMachine::ActionQueue;
    using VirtualMachine::Events;
    using VirtualMachine::GetCurrentAction;
    using VirtualMachine::Values;

    std::function<int32_t(ScriptFuncHeader&)> onCall;
    std::function<int32_t()> onUpdate;
    std::vector<int32_t> calls; // the ids, in order
    int updates = 0;
    int runs = 0;
    int clears = 0;

    void Execute() override {
        ++runs;
        VirtualMachine::Execute();
    }
    int32_t CallAction(ScriptFuncHeader& header) override {
        calls.push_back(header.GetId());
        return onCall ? onCall(header) : kActionDone;
    }
    int32_t UpdateAction() override {
        ++updates;
        return onUpdate ? onUpdate() : kActionDone;
    }
    void ClearActions() override {
        ++clears;
        VirtualMachine::ClearActions();
    }

    void Install(const ScriptBuilder& script) {
        ASSERT_TRUE(SetProgram(script.GetHeaders(), script.GetInstructions()));
    }
    // The values of the slots on the value stack, bottom first.
    std::vector<double> StackValues() {
        std::vector<double> values;
        Stack<int32_t>& stack = ValueStack();
        for (int32_t* slot = stack.First(); slot != nullptr; slot = stack.Next())
            values.insert(values.begin(), Values().At(*slot).value);
        return values;
    }
    std::vector<int32_t> QueuedIds() {
        std::vector<int32_t> ids;
        Queue<ScriptFuncHeader>& queue = ActionQueue();
        for (ScriptFuncHeader* header = queue.Front(); header != nullptr; header = queue.Next())
            ids.push_back(header->GetId());
        return ids;
    }
};

// The record of an event with the code, as the game posts them.
inline ScriptFuncHeader Event(int32_t code) {
    return ScriptBuilder::Header(kCallEventTest, code);
}

} // namespace testsupport
