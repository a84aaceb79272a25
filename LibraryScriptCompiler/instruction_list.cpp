#include "LibraryScriptCompiler/instruction_list.h"

#include "Library/core/counted_records.h"

int InstructionList::Add(const ScriptInstruction& instruction) {
    m_instructions.push_back(instruction);
    return Count();
}

bool InstructionList::Read(Stream& stream) {
    return ReadCountedRecords(stream, ScriptInstruction::kStoredBytes, "Script instructions",
                              m_instructions);
}

bool InstructionList::Write(Stream& stream) const {
    return WriteCountedRecords(stream, m_instructions);
}
