#pragma once
// Checks a program once, before a machine takes it, for what its runs rely on and the
// ".scr" form cannot promise: every CALL names a record of the table, every jump goes
// forward, and no instruction takes a value from an empty value stack. Jumps only go
// forward, so one pass over the instructions sees every road into each of them.

#include "Library/core/stringc.h"

class FuncHeaderTable;
class InstructionList;

class ProgramVerifier {
public:
    ProgramVerifier(const InstructionList& instructions, const FuncHeaderTable& headers);

    bool Verify(); // false, with the problem told, at the first fault
    const Stringc& GetProblem() const { return m_problem; }
    // The value slots that the slot operands address: the highest operand + 1.
    int GetSlotsAddressed() const { return m_slotsAddressed; }

private:
    struct StackEffect {
        int takes;
        int leaves;
    };

    StackEffect EffectOf(int index) const;
    bool CheckOperands(int index);
    bool Fail(int index, const char* fault);

    const InstructionList& m_instructions;
    const FuncHeaderTable& m_headers;
    Stringc m_problem;
    int m_slotsAddressed = 0;
};
