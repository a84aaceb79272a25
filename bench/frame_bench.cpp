// The play screen's frame on the demo map with 60, 100, 200 and 1000 creatures placed at random,
// after the game's real start-up: the creatures' update alone and the whole frame (update,
// interface and drawing), each with every creature standing and with every creature
// wandering (the idle ones told to wander again before each frame). The CPU time is the
// thread's. The wandering update of 1000 creatures against that of 100 is 10 when each
// creature's share stays the same.

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

namespace {

namespace fs = std::filesystem;

constexpr uint32_t kFrameMs = 33;
BenchWorld* s_world = nullptr;

// The game started on the demo map with the crowd; everything undone when it goes.
class CrowdedMap {
public:
    explicit CrowdedMap(int count) : m_saved(fs::current_path()) {
        fs::current_path(s_world->Root());
        m_started = Main::Init(0, 16, 0.0);
        if (!m_started)
            return;
        Loops::SetUp();
        platform::SeedRand(7);
        g_gameMode->SetTickSource(m_clock);
        m_ready = g_tileMap->Load("demo") && g_regionMgr->LoadRegFile("demo", nullptr) &&
                  m_crowd.Place(count);
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
    void Frame(bool wander) {
        if (wander)
            m_crowd.GiveWork(false);
        m_clock.Step(kFrameMs);
        Main::RunFrame();
    }
    void Update(bool wander) {
        if (wander)
            m_crowd.GiveWork(false);
        g_entityMgr->Update(kFrameMs);
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
    CrowdedMap map(static_cast<int>(state.range(0)));
    if (!s_world->Built() || !map.IsReady()) {
        state.SkipWithError("the demo map cannot be played");
        return;
    }
    for (auto _ : state) {
        if (kWhole)
            map.Frame(wander);
        else
            map.Update(wander);
    }
    state.counters["creatures"] = map.GetCount();
    state.SetLabel(wander ? "wandering" : "standing");
}

void Crowds(benchmark::internal::Benchmark* bench) {
    for (int wander : {0, 1})
        for (int count : {60, 100, 200, 1000})
            bench->Args({count, wander});
    bench->Unit(benchmark::kMillisecond);
}

BENCHMARK_TEMPLATE(BM_Crowd, false)->Name("Update")->Apply(Crowds);
BENCHMARK_TEMPLATE(BM_Crowd, true)->Name("Frame")->Apply(Crowds);

} // namespace

int main(int argc, char** argv) {
    RatioReporter::Initialize(&argc, argv);
    BenchWorld world;
    s_world = &world;
    RatioReporter reporter("The wandering update, 1000 creatures against 100",
                           {{"Update/1000/1", "Update/100/1"}}, kFrameMs);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
