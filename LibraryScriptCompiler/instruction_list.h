#pragma once
// The instructions of a compiled script, in order.

#include "LibraryScriptCompiler/script_instruction.h"

#include <vector>

class InstructionList {
public:
    int Add(const ScriptInstruction& instruction);                                 // the new count
    const ScriptInstruction& At(int index) const { return m_instructions[index]; } // unchecked
    ScriptInstruction& At(int index) { return m_instructions[index]; }
    int Count() const { return static_cast<int>(m_instructions.size()); }

    // Stored form: i32 count, then count instructions. A damaged record changes nothing.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

private:
    std::vector<ScriptInstruction> m_instructions;
};
