#include "LibraryScriptCompiler/script_instruction.h"

#include "Library/core/stream.h"

bool ScriptInstruction::Read(Stream& stream) {
    return stream.CheckOpen() == kStreamOk && stream.ReadValue(opcode) && stream.ReadValue(a) &&
           stream.ReadValue(b);
}

bool ScriptInstruction::Write(Stream& stream) const {
    return stream.CheckOpen() == kStreamOk && stream.WriteValue(opcode) && stream.WriteValue(a) &&
           stream.WriteValue(b);
}
