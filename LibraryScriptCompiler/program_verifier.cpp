#include "LibraryScriptCompiler/program_verifier.h"

#include "LibraryScriptCompiler/func_header_table.h"
#include "LibraryScriptCompiler/instruction_list.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace {

constexpr int kUnreached = INT_MAX;

bool IsJump(uint8_t opcode) {
    return opcode == static_cast<uint8_t>(ScriptOpcode::JUMP) ||
           opcode == static_cast<uint8_t>(ScriptOpcode::JUMP_IF_FALSE);
}

bool TakesSlot(uint8_t opcode) {
    return opcode == static_cast<uint8_t>(ScriptOpcode::PUSH) ||
           opcode == static_cast<uint8_t>(ScriptOpcode::STORE) ||
           opcode == static_cast<uint8_t>(ScriptOpcode::CLEAR);
}

} // namespace

ProgramVerifier::ProgramVerifier(const InstructionList& instructions,
                                 const FuncHeaderTable& headers)
    : m_instructions(instructions), m_headers(headers) {}

bool ProgramVerifier::Verify() {
    const int count = m_instructions.Count();
    // The fewest values on the stack by any road into each instruction.
    std::vector<int> depth(static_cast<size_t>(count), kUnreached);
    if (count > 0)
        depth[0] = 0;
    for (int i = 0; i < count; ++i) {
        if (!CheckOperands(i))
            return false;
        const int before = depth[static_cast<size_t>(i)];
        if (before == kUnreached)
            continue;
        const StackEffect effect = EffectOf(i);
        if (before < effect.takes)
            return Fail(i, "takes a value from an empty value stack");
        const int after = before - effect.takes + effect.leaves;
        const ScriptInstruction& instruction = m_instructions.At(i);
        const auto reach = [&](int target) {
            if (target < count)
                depth[static_cast<size_t>(target)] =
                    std::min(depth[static_cast<size_t>(target)], after);
        };
        if (IsJump(instruction.opcode))
            reach(i + instruction.a);
        if (instruction.opcode != static_cast<uint8_t>(ScriptOpcode::JUMP) &&
            instruction.opcode != static_cast<uint8_t>(ScriptOpcode::END))
            reach(i + 1);
    }
    return true;
}

ProgramVerifier::StackEffect ProgramVerifier::EffectOf(int index) const {
    const ScriptInstruction& instruction = m_instructions.At(index);
    switch (static_cast<ScriptOpcode>(instruction.opcode)) {
    case ScriptOpcode::PUSH:
    case ScriptOpcode::CASE:
        return {0, 1};
    case ScriptOpcode::STORE:
    case ScriptOpcode::NOT:
        return {1, 1};
    case ScriptOpcode::POP:
    case ScriptOpcode::JUMP_IF_FALSE:
        return {1, 0};
    case ScriptOpcode::AND:
    case ScriptOpcode::OR:
        return {2, 1};
    case ScriptOpcode::CALL: {
        const int32_t type = m_headers.At(instruction.a).GetType();
        return {0, type == kCallEventTest || type == kCallQuery ? 1 : 0};
    }
    default:
        return {0, 0};
    }
}

bool ProgramVerifier::CheckOperands(int index) {
    const ScriptInstruction& instruction = m_instructions.At(index);
    if (instruction.opcode == static_cast<uint8_t>(ScriptOpcode::CALL) &&
        instruction.a >= m_headers.Count())
        return Fail(index, "names a call record past the end of the table");
    if (IsJump(instruction.opcode) && instruction.a == 0)
        return Fail(index, "jumps to itself");
    if (TakesSlot(instruction.opcode))
        m_slotsAddressed = std::max(m_slotsAddressed, instruction.a + 1);
    return true;
}

bool ProgramVerifier::Fail(int index, const char* fault) {
    const ScriptInstruction& instruction = m_instructions.At(index);
    m_problem.Format("instruction %d (opcode %u, a = %u) %s", index, instruction.opcode,
                     instruction.a, fault);
    return false;
}
