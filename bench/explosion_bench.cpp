// The frames of one explosion of radius 10 in a region of its own on the demo map: a ring
// of 40 fragments and 50 clouds (90 entities) against 360 and 500 (860, the most a
// definition may ask for), each followed for 60 frames of the region. The CPU time is the
// thread's; 860 against 90 is 9.6 when each entity's share of a frame stays the same, and
// above it when an entity's share grows with the others around it.

#include "Library/files/data_paths.h"
#include "Library/files/mem_stream.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/explosion.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/launched_ability.h"
#include "bench/bench_world.h"
#include "bench/ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <memory>

namespace {

constexpr uint32_t kFrameMs = 33;
constexpr int kFrames = 60;
constexpr float kRadius = 10.0f;
constexpr uint32_t kSmallestRing = 4;  // 40 fragments
constexpr uint32_t kSmallestCloud = 5; // 50 clouds
TileMap* s_map = nullptr;              // the demo map, read once

// A spell at the map's middle that hits nothing it reaches.
class AreaSpell : public LaunchedAbility {
public:
    std::unique_ptr<LaunchedAbility> Clone() const override {
        return std::make_unique<AreaSpell>(*this);
    }
    Entity* GetUser() const override { return nullptr; }
    Entity* GetTarget() const override { return nullptr; }
    void ForgetTarget() override {}
    const Vector& GetOrigin() const override { return m_point; }
    const Vector& GetTargetPoint() const override { return m_point; }
    void SetOrigin(const Vector&) override {}
    void SetTargetPoint(const Vector&) override {}
    float GetAreaRadius() const override { return kRadius; }
    ItemEntity* GetItem() const override { return nullptr; }
    int GetDelivery() const override { return kDeliveryStays; }
    bool ReturnToHand(ItemEntity&) override { return false; }
    bool StartExplosion(int) override { return false; }
    bool ApplyInRadius() override { return false; }
    bool ApplyToTarget(Entity*) override { return false; }
    void Finish() override {}

private:
    Vector m_point{50.0f, 50.0f, 0.0f};
};

// One explosion of a definition, run again and again in a region of its own.
class ExplosionRun {
public:
    ExplosionRun(uint32_t ringFactor, uint32_t cloudFactor) : m_region(s_map) {
        ExplosionDefinition definition;
        definition.ringFactor = ringFactor;
        definition.cloudFactor = cloudFactor;
        definition.cloudAnimation = "smoke";
        definition.Write(m_bytes);
    }
    // A fresh explosion in an emptied region; false when the definition does not read back.
    bool Prepare() {
        m_region.Clear();
        m_explosion = std::make_unique<Explosion>();
        m_bytes.ReadBack();
        if (!m_explosion->Read(m_bytes))
            return false;
        m_explosion->SetAbility(m_spell);
        return true;
    }
    void Frames() {
        bool running = true;
        for (int frame = 0; frame < kFrames; ++frame) {
            running = running && m_explosion->Update(m_region, kFrameMs / 1000.0f);
            m_region.Update(kFrameMs);
        }
    }
    void Clear() { m_region.Clear(); } // its objects off the map the next run shares

private:
    MemStream m_bytes{kStreamWriteBinary};
    EntityMgr m_region;
    const AreaSpell m_spell;
    std::unique_ptr<Explosion> m_explosion;
};

double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Entities per unit of radius in the ring and in the clouds. Untimed, each run is followed
// by one of the smallest explosion, and the counter "per_smallest" gives the runs' thread
// CPU time as a share of those.
void BM_Explosion(benchmark::State& state, uint32_t ringFactor, uint32_t cloudFactor) {
    ExplosionRun run(ringFactor, cloudFactor);
    ExplosionRun smallest(kSmallestRing, kSmallestCloud);
    double seconds = 0, smallestSeconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (!run.Prepare()) {
            state.SkipWithError("the definition does not read back");
            return;
        }
        double start = ThreadSeconds();
        state.ResumeTiming();
        run.Frames();
        state.PauseTiming();
        seconds += ThreadSeconds() - start;
        run.Clear();
        smallest.Prepare();
        start = ThreadSeconds();
        smallest.Frames();
        smallestSeconds += ThreadSeconds() - start;
        smallest.Clear();
        state.ResumeTiming();
    }
    state.counters["per_smallest"] = smallestSeconds > 0 ? seconds / smallestSeconds : 0;
}

BENCHMARK_CAPTURE(BM_Explosion, 90_entities, kSmallestRing, kSmallestCloud)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Explosion, 860_entities, 36u, 50u)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    RatioReporter::Initialize(&argc, argv);
    BenchWorld world;
    DataPaths paths(world.Root().c_str());
    TileMap map(paths, nullptr);
    if (!world.Built() || !map.Load("demo")) {
        std::fprintf(stderr, "the demo map could not be built\n");
        return 1;
    }
    s_map = &map;
    RatioReporter reporter("An explosion's frames, 860 entities against 90",
                           {{"BM_Explosion/860_entities", "BM_Explosion/90_entities"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
