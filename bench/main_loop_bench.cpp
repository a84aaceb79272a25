// One frame of the main loop on the title menu, the first screen the game shows (events,
// clocks, the menu's update and drawing), headless on the demo world.

#include "Source/loops.h"
#include "Source/main.h"
#include "bench/bench_world.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

void BM_TitleMenuFrame(benchmark::State& state) {
    ::setenv("SDL_VIDEODRIVER", "dummy", 0);
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    BenchWorld world;
    if (!world.Built()) {
        state.SkipWithError("the demo world could not be built");
        return;
    }
    const fs::path saved = fs::current_path();
    fs::current_path(world.Root());
    if (Main::Init(0, 16, 0.0)) {
        Loops::SetUp();
        Main::RunFrame(); // the title menu's mode applied
        for (auto _ : state)
            Main::RunFrame();
    } else {
        state.SkipWithError("the game does not start on the demo world");
    }
    Main::Shutdown();
    SDL_Quit();
    fs::current_path(saved);
}
BENCHMARK(BM_TitleMenuFrame)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
