// One run of a machine's program.
#include "LibraryScriptCompiler/virtual_machine.h"

#include "Library/core/random.h"

struct VirtualMachine::RunState {
    int pc = 0;
    int step = 1;
    int choice = 0;
    bool chosen = false; // no CASE matches before a RANDOM of this run
    bool matched = false;
    bool actionsCleared = false;
    uint32_t program = 0; // the program serial the run began with
};

void VirtualMachine::Execute() {
    if (m_running)
        return;
    m_running = true;
    ResetRun();
    RunState run;
    run.program = m_programSerial;
    // A native that replaced the program ends the run: the rest belongs to the old one.
    while (run.pc < m_instructions.Count() && run.program == m_programSerial) {
        run.step = 1;
        if (!Perform(m_instructions.At(run.pc), run))
            break;
        run.pc += run.step;
    }
    m_eventPending = false;
    m_events.Clear();
    m_running = false;
}

bool VirtualMachine::Perform(const ScriptInstruction& instruction, RunState& run) {
    int32_t x = 0;
    int32_t y = 0;
    switch (static_cast<ScriptOpcode>(instruction.opcode)) {
    case ScriptOpcode::PUSH:
        PushValue(m_values.AllocCopy(instruction.a));
        return true;
    case ScriptOpcode::STORE: {
        const int32_t* top = m_valueStack.Top();
        if (top != nullptr)
            m_values.At(instruction.a).value = m_values.At(*top).value;
        return top != nullptr;
    }
    case ScriptOpcode::POP:
        if (!PopValue(x))
            return false;
        m_values.Free(x);
        return true;
    case ScriptOpcode::JUMP:
        run.step = instruction.a;
        return true;
    case ScriptOpcode::JUMP_IF_FALSE:
        if (!PopValue(x))
            return false;
        if (m_values.At(x).AsInt() == 0)
            run.step = instruction.a;
        return true;
    case ScriptOpcode::END:
        return false;
    case ScriptOpcode::NOT: {
        if (!PopValue(x))
            return false;
        const int32_t result = m_values.AllocCopy(x);
        m_values.SetInt(result, m_values.At(x).AsInt() == 0 ? 1 : 0);
        m_values.Free(x);
        PushValue(result);
        return true;
    }
    case ScriptOpcode::CLEAR:
        m_values.SetInt(instruction.a, 0);
        return true;
    case ScriptOpcode::AND:
    case ScriptOpcode::OR: {
        if (!PopValue(y) || !PopValue(x))
            return false;
        const bool left = m_values.At(x).AsInt() != 0;
        const bool right = m_values.At(y).AsInt() != 0;
        const bool both = instruction.opcode == static_cast<uint8_t>(ScriptOpcode::AND);
        m_values.Free(y);
        m_values.Free(x);
        const int32_t result = m_values.Alloc();
        m_values.SetInt(result, (both ? left && right : left || right) ? 1 : 0);
        PushValue(result);
        return true;
    }
    case ScriptOpcode::CALL:
        Call(m_headers.At(instruction.a), run);
        return true;
    case ScriptOpcode::RANDOM:
        run.choice = RandomInt(instruction.a, instruction.b + 1);
        run.chosen = true;
        run.matched = false;
        return true;
    case ScriptOpcode::CASE: {
        const bool hit = run.chosen && !run.matched && run.choice <= instruction.a;
        run.matched = run.matched || hit;
        const int32_t result = m_values.Alloc();
        m_values.SetInt(result, hit ? 1 : 0);
        PushValue(result);
        return true;
    }
    default: // NOP and the opcodes without a meaning
        return true;
    }
}

void VirtualMachine::Call(ScriptFuncHeader& header, RunState& run) {
    const int32_t type = header.GetType();
    if (type == kCallLatent || type == kCallImmediate) {
        if (!run.actionsCleared) {
            run.actionsCleared = true;
            ClearActions();
        }
        if (type == kCallLatent)
            m_actionQueue.PushCopy(header);
        else
            CallAction(header);
    } else if (type == kCallEventTest || type == kCallQuery) {
        const int32_t slot = m_values.Alloc();
        const int32_t result = CallAction(header);
        if (run.program != m_programSerial)
            return; // the slot went with the old program
        m_values.SetInt(slot, result);
        PushValue(slot);
    } else if (type == kCallDropped) {
        CallAction(header);
    }
}

bool VirtualMachine::PopValue(int32_t& slot) {
    const int32_t* entry = m_valueStack.Pop();
    if (entry != nullptr)
        slot = *entry;
    return entry != nullptr;
}
