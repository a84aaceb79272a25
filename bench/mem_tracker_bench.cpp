// Cost of one allocation and release through the memory tracker against the C runtime.
#include "Library/core/tracked_new.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void TrackedNewDelete(benchmark::State& state) {
    const size_t size = static_cast<size_t>(state.range(0));
    for (auto _ : state) {
        char* block = NEW char[size];
        benchmark::DoNotOptimize(block);
        DELETE[] block;
    }
}
BENCHMARK(TrackedNewDelete)->Arg(16)->Arg(256)->Arg(4096)->Arg(65536);

void MallocFree(benchmark::State& state) {
    const size_t size = static_cast<size_t>(state.range(0));
    for (auto _ : state) {
        void* block = malloc(size);
        benchmark::DoNotOptimize(block);
        free(block);
    }
}
BENCHMARK(MallocFree)->Arg(16)->Arg(256)->Arg(4096)->Arg(65536);

} // namespace

BENCHMARK_MAIN();
