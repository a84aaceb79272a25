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
#include <memory>

namespace {

constexpr uint32_t kFrameMs = 33;
constexpr int kFrames = 60;
constexpr float kRadius = 10.0f;
TileMap* s_map = nullptr; // the demo map, read once

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

// Entities per unit of radius in the ring, then in the clouds.
void BM_Explosion(benchmark::State& state, uint32_t ringFactor, uint32_t cloudFactor) {
    ExplosionDefinition definition;
    definition.ringFactor = ringFactor;
    definition.cloudFactor = cloudFactor;
    definition.cloudAnimation = "smoke";
    MemStream bytes(kStreamWriteBinary);
    definition.Write(bytes);
    EntityMgr region(s_map);
    const AreaSpell spell;
    for (auto _ : state) {
        state.PauseTiming();
        region.Clear();
        Explosion explosion;
        bytes.ReadBack();
        if (!explosion.Read(bytes)) {
            state.SkipWithError("the definition does not read back");
            return;
        }
        explosion.SetAbility(spell);
        state.ResumeTiming();
        bool running = true;
        for (int frame = 0; frame < kFrames; ++frame) {
            running = running && explosion.Update(region, kFrameMs / 1000.0f);
            region.Update(kFrameMs);
        }
    }
}

BENCHMARK_CAPTURE(BM_Explosion, 90_entities, 4u, 5u)->Unit(benchmark::kMillisecond);
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
    reporter.CountRatios();
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
