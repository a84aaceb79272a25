#pragma once
// Writes compiled scripts for the demo world and the tests (the game has no compiler):
// instructions in order, forward jumps to named labels, and call records made from typed
// arguments. The program is written as the machine itself saves it.

#include "Library/core/stringc.h"
#include "Library/core/vector.h"
#include "Library/scripts/entity_ref.h"
#include "LibraryScriptCompiler/func_header_table.h"
#include "LibraryScriptCompiler/instruction_list.h"

#include <map>
#include <string>
#include <vector>

class Stream;

class ScriptBuilder {
public:
    explicit ScriptBuilder(const Stringc& name);

    // A call record of the type and id whose arguments are appended by their types:
    // numbers (int or double), texts, entity references and vectors.
    template <class... Arguments>
    static ScriptFuncHeader Header(int32_t type, int32_t id, const Arguments&... arguments) {
        ScriptFuncHeader header;
        header.SetTypeAndId(type, id);
        (AddArgument(header, arguments), ...);
        return header;
    }

    ScriptBuilder& Nop() { return Add(ScriptOpcode::NOP); }
    ScriptBuilder& Push(uint16_t slot) { return Add(ScriptOpcode::PUSH, slot); }
    ScriptBuilder& Store(uint16_t slot) { return Add(ScriptOpcode::STORE, slot); }
    ScriptBuilder& Pop() { return Add(ScriptOpcode::POP); }
    ScriptBuilder& Jump(const std::string& label) { return AddJump(ScriptOpcode::JUMP, label); }
    ScriptBuilder& JumpIfFalse(const std::string& label) {
        return AddJump(ScriptOpcode::JUMP_IF_FALSE, label);
    }
    ScriptBuilder& End() { return Add(ScriptOpcode::END); }
    ScriptBuilder& Not() { return Add(ScriptOpcode::NOT); }
    ScriptBuilder& Clear(uint16_t slot) { return Add(ScriptOpcode::CLEAR, slot); }
    ScriptBuilder& And() { return Add(ScriptOpcode::AND); }
    ScriptBuilder& Or() { return Add(ScriptOpcode::OR); }
    ScriptBuilder& Random(uint16_t low, uint16_t high) {
        return Add(ScriptOpcode::RANDOM, low, high);
    }
    ScriptBuilder& Case(uint16_t bound) { return Add(ScriptOpcode::CASE, bound); }
    ScriptBuilder& Call(const ScriptFuncHeader& header); // the record joins the table
    template <class... Arguments>
    ScriptBuilder& Call(int32_t type, int32_t id, const Arguments&... arguments) {
        return Call(Header(type, id, arguments...));
    }
    // Any instruction as it stands, the opcodes without a meaning included.
    ScriptBuilder& Raw(uint8_t opcode, uint16_t a = 0, uint16_t b = 0);
    // The jumps to label made so far land on the next instruction; a label is placed once,
    // after every jump to it.
    ScriptBuilder& Label(const std::string& label);

    // False, with a message, when a label is missing, misplaced or too far, or the machine
    // refuses the program.
    bool Write(Stream& stream) const;
    bool WriteFile(const Stringc& path) const; // directories made; replaced whole
    const InstructionList& GetInstructions() const { return m_instructions; }
    const FuncHeaderTable& GetHeaders() const { return m_headers; }

private:
    static void AddArgument(ScriptFuncHeader& header, int number) { header.AddNumber(number); }
    static void AddArgument(ScriptFuncHeader& header, double number) { header.AddNumber(number); }
    static void AddArgument(ScriptFuncHeader& header, const char* text) { header.AddString(text); }
    static void AddArgument(ScriptFuncHeader& header, const Stringc& text) {
        header.AddString(text);
    }
    static void AddArgument(ScriptFuncHeader& header, const EntityRef& object) {
        header.AddObject(object);
    }
    static void AddArgument(ScriptFuncHeader& header, const Vector& point) {
        header.AddVector(point);
    }

    ScriptBuilder& Add(ScriptOpcode opcode, uint16_t a = 0, uint16_t b = 0) {
        return Raw(static_cast<uint8_t>(opcode), a, b);
    }
    ScriptBuilder& AddJump(ScriptOpcode opcode, const std::string& label);
    void Fail(const std::string& problem);

    Stringc m_name;
    InstructionList m_instructions;
    FuncHeaderTable m_headers;
    std::map<std::string, std::vector<int>> m_pendingJumps; // label -> jump instructions
    std::vector<std::string> m_placedLabels;
    std::string m_problem; // the first; the script is not written while one is set
};
