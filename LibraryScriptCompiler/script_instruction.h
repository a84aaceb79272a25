#pragma once
// One instruction of a compiled script: an opcode and two unsigned operands. The opcodes
// missing from ScriptOpcode (7-12, 14, 16-19, 22 and those above 25) do nothing.

#include <cstdint>

class Stream;

enum class ScriptOpcode : uint8_t {
    NOP = 0,
    PUSH = 1,          // a = slot: a new temporary holding slot a's value is pushed
    STORE = 2,         // a = slot: slot a := the top value, which stays on the stack
    POP = 3,           // the top temporary is popped and freed
    JUMP = 4,          // a = distance forward
    JUMP_IF_FALSE = 5, // a = distance forward, taken when the popped value is 0
    END = 6,
    NOT = 13,
    CLEAR = 15, // a = slot: slot a := 0
    AND = 20,
    OR = 21,
    CALL = 23,   // a = call record index
    RANDOM = 24, // choice := a random integer from a to b
    CASE = 25,   // pushes 1 at the first CASE whose bound a is at or above the choice
};

class ScriptInstruction {
public:
    static constexpr int kStoredBytes = 5;

    ScriptInstruction() = default;
    ScriptInstruction(ScriptOpcode code, uint16_t first = 0, uint16_t second = 0)
        : opcode(static_cast<uint8_t>(code)), a(first), b(second) {}

    bool operator==(const ScriptInstruction& other) const {
        return opcode == other.opcode && a == other.a && b == other.b;
    }

    // Stored form: u8 opcode, u16 a, u16 b.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

    uint8_t opcode = 0;
    uint16_t a = 0; // slot, call record index, jump distance or bound
    uint16_t b = 0; // RANDOM's upper bound
};
