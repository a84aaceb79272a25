// A compiled script from any bytes: refused with no program left, or taken, saved again
// byte for byte, and run for a few frames with natives answering every result there is.

#include "LibraryScriptCompiler/virtual_machine.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

namespace {

class AnsweringMachine : public VirtualMachine {
public:
    int32_t CallAction(ScriptFuncHeader& header) override { return Answer(header.GetId()); }
    int32_t UpdateAction() override { return Answer(++m_updates); }

private:
    static int32_t Answer(int32_t number) { return static_cast<int32_t>(number & 3); }
    int32_t m_updates = 0;
};

ScriptInstruction Op(ScriptOpcode opcode, uint16_t a = 0, uint16_t b = 0) {
    return ScriptInstruction(opcode, a, b);
}

std::string Stored(const char* name, std::initializer_list<ScriptInstruction> instructions,
                   std::initializer_list<ScriptFuncHeader> headers) {
    InstructionList list;
    for (const ScriptInstruction& instruction : instructions)
        list.Add(instruction);
    FuncHeaderTable table;
    for (const ScriptFuncHeader& header : headers)
        table.Add(header);
    VirtualMachine machine;
    machine.SetName(name);
    if (!machine.SetProgram(table, list))
        return "";
    return WrittenBytes([&](Stream& stream) { return machine.Save(stream); });
}

ScriptFuncHeader Header(int32_t type, int32_t id) {
    ScriptFuncHeader header;
    header.SetTypeAndId(type, id);
    return header;
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    ScriptFuncHeader everything = Header(kCallQuery, 46);
    everything.AddNumber(1.5);
    everything.AddString("scope");
    EntityRef ref;
    ref.Set(200, 3, 1, 2, 3, 4, 5);
    ref.SetName("Guard");
    ref.AddToList(7);
    everything.AddObject(ref);
    everything.AddVector(Vector(1, -2, 0.5f));
    everything.SetReserved(2);
    using O = ScriptOpcode;
    return {
        Stored("every",
               {Op(O::CALL, 0), Op(O::STORE, 9), Op(O::POP), Op(O::PUSH, 9), Op(O::NOT),
                Op(O::JUMP_IF_FALSE, 3), Op(O::CALL, 1), Op(O::JUMP, 2), Op(O::CALL, 2),
                Op(O::RANDOM, 1, 3), Op(O::CASE, 1), Op(O::CASE, 3), Op(O::AND), Op(O::CALL, 3),
                Op(O::OR), Op(O::CLEAR, 9), Op(O::CALL, 4), Op(O::NOP), Op(O::END)},
               {everything, Header(kCallLatent, 3), Header(kCallLatent, 2),
                Header(kCallEventTest, 1), Header(kCallImmediate, 0)}),
        Stored("", {}, {}),
    };
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    AnsweringMachine machine;
    if (!machine.Load(input)) {
        if (machine.HasProgram() || machine.GetHeaders().Count() != 0)
            std::abort(); // a refused program leaves nothing behind
        return 0;
    }
    // What was taken stores, loads again and stores the same (an empty text may have come
    // in a longer form than ours).
    const std::string saved = WrittenBytes([&](Stream& stream) { return machine.Save(stream); });
    FuzzInput again(reinterpret_cast<const uint8_t*>(saved.data()), saved.size());
    VirtualMachine copy;
    if (saved.empty() || !copy.Load(again) ||
        WrittenBytes([&](Stream& stream) { return copy.Save(stream); }) != saved)
        std::abort();
    for (int frame = 0; frame < 4; ++frame) {
        machine.PostEvent(machine.GetHeaders().Count() > 0 ? machine.GetHeaders().At(0)
                                                           : ScriptFuncHeader());
        machine.Update(VirtualMachine::kRunPeriodMs);
    }
    return 0;
}
