// An explosion definition from any bytes: refused, changing nothing, or taken, writing what
// it reads back, and run at the corner of a small region, with no use, until it ends.

#include "Library/files/data_paths.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/explosion.h"
#include "Source/entities/entity_mgr.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

namespace {

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
    for (int frame = 0; frame < 60 && explosion.Update(region, 0.033f); ++frame)
        region.Update(33);
    return 0;
}
