// Loading and saving a machine's program: the ".scr" form.
#include "LibraryScriptCompiler/virtual_machine.h"

#include "Library/core/stream.h"
#include "Library/files/data_file.h"
#include "Library/files/mem_stream.h"
#include "Library/files/res_file_mgr.h"
#include "Library/scripts/stored_text.h"
#include "LibraryScriptCompiler/program_verifier.h"

#include <cstdio>
#include <utility>

bool VirtualMachine::LoadScript(const Stringc& path, bool all) {
    Reset(all);
    MemStream stream(kStreamReadBinary);
    if (!LoadDataFile(path.c_str(), g_generalRes, stream) || !LoadFrom(stream, path.c_str()))
        return false;
    m_name = Stringc(path).FileName();
    return true;
}

bool VirtualMachine::Load(Stream& stream) {
    return LoadFrom(stream, "A script stream");
}

bool VirtualMachine::Save(Stream& stream) const {
    return stream.CheckOpen() == kStreamOk && m_name.Write(stream) &&
           m_instructions.Write(stream) && m_headers.Write(stream);
}

bool VirtualMachine::SetProgram(const FuncHeaderTable& headers,
                                const InstructionList& instructions) {
    InstructionList instructionCopy = instructions;
    FuncHeaderTable headerCopy = headers;
    return Take(instructionCopy, headerCopy, m_name.Length() > 0 ? m_name.c_str() : "A script");
}

// Stored form: Stringc name, i32 instruction count, the instructions (u8 opcode, u16 a,
// u16 b), i32 call record count, the call records.
bool VirtualMachine::LoadFrom(Stream& stream, const char* source) {
    ClearProgram();
    Stringc name;
    InstructionList instructions;
    FuncHeaderTable headers;
    if (stream.CheckOpen() != kStreamOk || !ReadStoredText(stream, name) ||
        !instructions.Read(stream) || !headers.Read(stream)) {
        std::fprintf(stderr, "%s is refused: it cannot be read as a compiled script\n", source);
        return false;
    }
    if (!Take(instructions, headers, source))
        return false;
    m_name = name;
    return true;
}

bool VirtualMachine::Take(InstructionList& instructions, FuncHeaderTable& headers,
                          const char* source) {
    ClearProgram();
    ProgramVerifier verifier(instructions, headers);
    if (!verifier.Verify()) {
        std::fprintf(stderr, "%s is refused: %s\n", source, verifier.GetProblem().c_str());
        return false;
    }
    m_instructions = std::move(instructions);
    m_headers = std::move(headers);
    // Slot operands address the table directly: it holds every slot they name.
    if (verifier.GetSlotsAddressed() > m_values.Capacity())
        m_values.Grow(verifier.GetSlotsAddressed() - m_values.Capacity());
    return true;
}
