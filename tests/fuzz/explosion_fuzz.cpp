// An explosion definition from any bytes: refused, changing nothing, or taken, writing what
// it reads back, and run in a small region until it ends.

#include "Library/files/data_paths.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/explosion.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/launched_ability.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

namespace {

// A use that hits nothing, centred at the middle of the region.
class Spark : public LaunchedAbility {
public:
    std::unique_ptr<LaunchedAbility> Clone() const override { return std::make_unique<Spark>(); }
    Entity* GetUser() const override { return nullptr; }
    Entity* GetTarget() const override { return nullptr; }
    void ForgetTarget() override {}
    const Vector& GetOrigin() const override { return m_point; }
    const Vector& GetTargetPoint() const override { return m_point; }
    void SetOrigin(const Vector&) override {}
    void SetTargetPoint(const Vector&) override {}
    float GetAreaRadius() const override { return 3.0f; }
    ItemEntity* GetItem() const override { return nullptr; }
    int GetDelivery() const override { return kDeliveryStays; }
    bool ReturnToHand(ItemEntity&) override { return false; }
    bool StartExplosion(int) override { return false; }
    bool ApplyInRadius() override { return true; }
    bool ApplyToTarget(Entity*) override { return true; }
    void Finish() override {}

private:
    Vector m_point{4.0f, 4.0f, 0.0f};
};

std::string Written(const Explosion& explosion) {
    return WrittenBytes([&](Stream& stream) { return explosion.Write(stream); });
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    ExplosionDefinition fireRing;
    fireRing.mode = Explosion::kPulse;
    fireRing.ringFactor = 8;
    fireRing.cloudFactor = 2;
    fireRing.repeats = 1;
    fireRing.centreAnimation = "fire_centre";
    fireRing.cloudAnimation = "smoke";
    fireRing.sound = "boom.wav";
    fireRing.tints[1].enabled = 1;
    fireRing.tints[1].colour = Colour(255, 120, 0);
    return {WrittenBytes([&](Stream& stream) { return fireRing.Write(stream); }),
            WrittenBytes([](Stream& stream) { return ExplosionDefinition().Write(stream); })};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Explosion explosion;
    explosion.Reset();
    const std::string blank = Written(explosion);
    FuzzInput input(data, size);
    if (!explosion.Read(input)) {
        if (Written(explosion) != blank)
            std::abort();
        return 0;
    }
    const std::string written = Written(explosion);
    FuzzInput again(reinterpret_cast<const uint8_t*>(written.data()), written.size());
    Explosion reread;
    if (!reread.Read(again) || Written(reread) != written)
        std::abort();
    static DataPaths paths;
    static TileMap map(paths, nullptr);
    EntityMgr region(&map);
    explosion.SetAbility(Spark());
    for (int frame = 0; frame < 200 && explosion.Update(region, 0.033f); ++frame)
        region.Update(33);
    return 0;
}
