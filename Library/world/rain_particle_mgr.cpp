#include "Library/world/rain_particle_mgr.h"

#include "Library/core/random.h"

namespace {

constexpr float kFallHeading = 1.396263401592f; // 80 degrees from +x toward +y

} // namespace

RainParticleMgr::RainParticleMgr(int count) : ParticleMgr(count) {
    for (int index = 0; index < count; ++index) {
        Particle& drop = At(index);
        drop.AllocTrail(kPathLength);
        drop.velocity.SetSpherical(RandomFloat(27.0f, 30.0f), kFallHeading, 0.0f);
        drop.stepMs.assign(kPathLength, static_cast<uint32_t>(RandomInt(10, 20)));
    }
}

void RainParticleMgr::Spawn(int index) {
    Particle& drop = At(index);
    drop.life = RandomInt(750, 1000);
    drop.position = RandomFieldPoint();
    drop.pathIndex = RandomInt(0, kPathLength - 1);
    drop.pathTimer = 0;
}

void RainParticleMgr::NextStep(Particle& drop) const {
    drop.pathIndex = (drop.pathIndex + 1) % kPathLength;
}

void RainParticleMgr::Draw(Screen& screen, const MapView& view, const Vector& viewCentre) {
    ForEachShownPixel(screen.GetSurface(), view, viewCentre,
                      [&screen](int x, int y, const Particle& drop) {
                          screen.DrawLineFixed(x, y, x + 1, y + drop.pathIndex);
                      });
}
