#include "LibraryScriptCompiler/instruction_list.h"

#include "Library/core/stream.h"

#include <cstdio>

int InstructionList::Add(const ScriptInstruction& instruction) {
    m_instructions.push_back(instruction);
    return Count();
}

bool InstructionList::Read(Stream& stream) {
    int32_t count = 0;
    if (stream.CheckOpen() != kStreamOk || !stream.ReadValue(count))
        return false;
    if (count < 0 || count > stream.Remaining() / ScriptInstruction::kStoredBytes) {
        std::fprintf(stderr, "Script: %d instructions cannot lie in the %ld bytes left\n", count,
                     stream.Remaining());
        return false;
    }
    std::vector<ScriptInstruction> instructions(static_cast<size_t>(count));
    for (ScriptInstruction& instruction : instructions)
        if (!instruction.Read(stream))
            return false;
    m_instructions.swap(instructions);
    return true;
}

bool InstructionList::Write(Stream& stream) const {
    if (!stream.WriteValue(int32_t{Count()}))
        return false;
    for (const ScriptInstruction& instruction : m_instructions)
        if (!instruction.Write(stream))
            return false;
    return true;
}
