#include "Library/geometry/directions.h"
#include "Library/geometry/line_tracer.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// Headings spread over several turns, as creatures' velocities give them.
std::vector<double> Headings() {
    std::vector<double> angles(1024);
    for (size_t i = 0; i < angles.size(); ++i)
        angles[i] = -12.0 + 24.0 * static_cast<double>(i) / angles.size();
    return angles;
}

template <int (*kAngleToDir)(double)> void BM_AngleToDir(benchmark::State& state) {
    const std::vector<double> angles = Headings();
    for (auto _ : state) {
        int sum = 0;
        for (double angle : angles)
            sum += kAngleToDir(angle);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * angles.size());
}

// A line of sight across a walkable 128 x 128 map.
void BM_LineTrace(benchmark::State& state) {
    std::vector<unsigned char> walkable(128 * 128, 1);
    LineTracer tracer([&walkable](int x, int y) {
        return x >= 0 && y >= 0 && x < 128 && y < 128 && walkable[y * 128 + x] != 0;
    });
    const int length = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(tracer.Trace(3, 5, 3 + length, 5 + length / 3));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * (length + 1));
}

} // namespace

BENCHMARK_TEMPLATE(BM_AngleToDir, AngleToDir8);
BENCHMARK_TEMPLATE(BM_AngleToDir, AngleToDir16);
BENCHMARK(BM_LineTrace)->Arg(8)->Arg(20)->Arg(100);

BENCHMARK_MAIN();
