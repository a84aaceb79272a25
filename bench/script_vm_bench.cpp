// One frame of script machines: 1,200 machines, each running a 40-instruction script with
// two calls (the scale of a busy region with its creatures' script slots).
#include "LibraryScriptCompiler/virtual_machine.h"
#include "tools/scriptbuilder/script_builder.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int kMachines = 1200;
constexpr int kInstructions = 40;
constexpr uint16_t kSaved = 9;

class AnsweringMachine : public VirtualMachine {
public:
    int32_t CallAction(ScriptFuncHeader& header) override { return header.GetId() & 1; }
};

// An event test and a query around seven rounds of logic on a saved value.
ScriptBuilder FortyInstructions() {
    ScriptBuilder script("bench");
    script.Call(kCallEventTest, 1).Store(kSaved).Pop();
    for (int round = 0; round < 7; ++round)
        script.Push(kSaved).Not().Push(kSaved).Or().Pop();
    script.Call(kCallQuery, 2, "scope", "name", 3).Pop();
    return script;
}

void BM_ScriptFrame(benchmark::State& state) {
    const ScriptBuilder script = FortyInstructions();
    if (script.GetInstructions().Count() != kInstructions) {
        state.SkipWithError("the script is not 40 instructions long");
        return;
    }
    std::vector<std::unique_ptr<AnsweringMachine>> machines;
    for (int i = 0; i < kMachines; ++i) {
        machines.push_back(std::make_unique<AnsweringMachine>());
        machines.back()->SetProgram(script.GetHeaders(), script.GetInstructions());
    }
    for (auto _ : state)
        for (auto& machine : machines)
            benchmark::DoNotOptimize(machine->Update(VirtualMachine::kRunPeriodMs)); // it runs
    state.counters["per_instruction"] = benchmark::Counter(
        kMachines * kInstructions,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ScriptFrame)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
