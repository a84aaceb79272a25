// The play screen's frame on the demo map with 60, 100, 200 and 1000 creatures placed at random,
// after the game's real start-up: the creatures' update alone and the whole frame (update,
// interface and drawing), each with every creature standing and with every creature
// wandering (the idle ones told to wander again before each frame). The crowd is hostile and
// neutral creatures in turn (third argument 0) or, with 100 and 1000, all neutral (1), who
// only wander or stand. Wandering is timed over the same first frames every run. The CPU
// time is the thread's; "wander" is the CPU time per wander command given. The wandering
// update of 1000 creatures against that of 100 is 10 when each creature's share stays the
// same.

#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/entities/entity_mgr.h"
#include "Source/loops.h"
#include "Source/main.h"
#include "Source/world/region_mgr.h"
#include "bench/bench_world.h"
#include "bench/ratio_reporter.h"
#include "platform/win_rand.h"
#include "tools/democrowd/demo_crowd.h"
#include "tools/democrowd/stepped_clock.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr uint32_t kFrameMs = 33;
constexpr int kWanderingFrames = 12;
BenchWorld* s_world = nullptr;

// The game started on the demo map with the crowd; everything undone when it goes.
class CrowdedMap {
public:
    CrowdedMap(int count, DemoCrowd::Mix mix) : m_saved(fs::current_path()) {
        fs::current_path(s_world->Root());
        m_started = Main::Init(0, 16, 0.0);
        if (!m_started)
            return;
        Loops::SetUp();
        platform::SeedRand(7);
        g_gameMode->SetTickSource(m_clock);
        m_ready = g_tileMap->Load("demo") && g_regionMgr->LoadRegFile("demo", nullptr) &&
                  m_crowd.Place(count, mix);
        if (!m_ready)
            return;
        g_gameMode->SetMode(kModeAreaMap);
        Frame(false);
        Frame(false); // the play screen made and shown
    }
    ~CrowdedMap() {
        if (m_started)
            Main::Shutdown();
        SDL_Quit();
        fs::current_path(m_saved);
    }
    CrowdedMap(const CrowdedMap&) = delete;
    CrowdedMap& operator=(const CrowdedMap&) = delete;

    bool IsReady() const { return m_ready; }
    // Each returns the wander commands given.
    int Frame(bool wander) {
        const int given = wander ? m_crowd.GiveWork(false) : 0;
        m_clock.Step(kFrameMs);
        Main::RunFrame();
        return given;
    }
    int Update(bool wander) {
        const int given = wander ? m_crowd.GiveWork(false) : 0;
        g_entityMgr->Update(kFrameMs);
        return given;
    }
    int GetCount() const { return m_crowd.GetCount(); }

private:
    fs::path m_saved;
    SteppedClock m_clock;
    DemoCrowd m_crowd;
    bool m_started = false;
    bool m_ready = false;
};

template <bool kWhole> void BM_Crowd(benchmark::State& state) {
    ::setenv("SDL_VIDEODRIVER", "dummy", 0);
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    const bool wander = state.range(1) != 0;
    const bool neutral = state.range(2) != 0;
    CrowdedMap map(static_cast<int>(state.range(0)),
                   neutral ? DemoCrowd::Mix::kNeutral : DemoCrowd::Mix::kHostileAndNeutral);
    if (!s_world->Built() || !map.IsReady()) {
        state.SkipWithError("the demo map cannot be played");
        return;
    }
    double given = 0;
    for (auto _ : state)
        given += kWhole ? map.Frame(wander) : map.Update(wander);
    state.counters["creatures"] = map.GetCount();
    if (given > 0)
        state.counters["wander"] =
            benchmark::Counter(given, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.SetLabel(std::string(wander ? "wandering" : "standing") + (neutral ? ", neutral" : ""));
}

void Standing(benchmark::internal::Benchmark* bench) {
    for (int count : {60, 100, 200, 1000})
        bench->Args({count, 0, 0});
    for (int count : {100, 1000})
        bench->Args({count, 0, 1});
    bench->Unit(benchmark::kMillisecond);
}

// Always the same frames from the placing on: how many creatures stand idle, to be told to
// wander, differs from frame to frame, most of all in the first.
void Wandering(benchmark::internal::Benchmark* bench) {
    for (int count : {60, 100, 200, 1000})
        bench->Args({count, 1, 0});
    for (int count : {100, 1000})
        bench->Args({count, 1, 1});
    bench->Unit(benchmark::kMillisecond)->Iterations(kWanderingFrames);
}

BENCHMARK_TEMPLATE(BM_Crowd, false)->Name("Update")->Apply(Standing);
BENCHMARK_TEMPLATE(BM_Crowd, false)->Name("Update")->Apply(Wandering);
BENCHMARK_TEMPLATE(BM_Crowd, true)->Name("Frame")->Apply(Standing);
BENCHMARK_TEMPLATE(BM_Crowd, true)->Name("Frame")->Apply(Wandering);

} // namespace

int main(int argc, char** argv) {
    RatioReporter::Initialize(&argc, argv);
    BenchWorld world;
    s_world = &world;
    RatioReporter reporter("The wandering update, 1000 creatures against 100",
                           {{"Update/1000/1/0/iterations:12", "Update/100/1/0/iterations:12"},
                            {"Update/1000/1/1/iterations:12", "Update/100/1/1/iterations:12"}},
                           kFrameMs);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
