#include "Library/world/snow_particle_mgr.h"

#include "Library/core/random.h"

#include <cstdlib>

namespace {

constexpr int kMiddleStep = SnowParticleMgr::kPathLength / 2;
constexpr float kMsPerFallUnit = 33.333332f;

} // namespace

// A flake falling at s units a second sways out to either side and back: step j is a
// quarter of the way further from the middle for each step, its offset and its time
// growing with that distance.
SnowParticleMgr::SnowParticleMgr(int count) : ParticleMgr(count) {
    for (int index = 0; index < count; ++index) {
        Particle& flake = At(index);
        flake.AllocTrail(kPathLength);
        const float speed = RandomFloat(2.0f, 3.0f);
        flake.velocity = Vector(0.0f, speed, 0.0f);
        for (int step = 0; step < kPathLength; ++step) {
            const float out = static_cast<float>(std::abs(kMiddleStep - step)) / kMiddleStep;
            const float side = step < kMiddleStep ? out * speed : -out * speed;
            flake.offsets[static_cast<size_t>(step)] =
                step == kMiddleStep ? Vector() : Vector(side, -out * out * speed, 0.0f);
            flake.stepMs[static_cast<size_t>(step)] =
                static_cast<uint32_t>(RoundToPixel(out * out * speed * kMsPerFallUnit));
        }
    }
}

void SnowParticleMgr::Spawn(int index) {
    Particle& flake = At(index);
    flake.life = RandomInt(10000, 15000);
    flake.position = RandomFieldPoint();
    flake.swayForward = true;
    flake.pathIndex = RandomInt(0, kPathLength - 1);
    flake.pathTimer = 0;
}

void SnowParticleMgr::NextStep(Particle& flake) const {
    if (flake.swayForward && flake.pathIndex == kPathLength - 1) {
        flake.swayForward = false;
        flake.pathIndex = kPathLength - 2;
    } else if (!flake.swayForward && flake.pathIndex == 0) {
        flake.swayForward = true;
        flake.pathIndex = 1;
    } else {
        flake.pathIndex += flake.swayForward ? 1 : -1;
    }
}

void SnowParticleMgr::Draw(Screen& screen, const MapView& view, const Vector& viewCentre) {
    const PixelSurface& surface = screen.GetSurface();
    const uint16_t colour = screen.GetDrawColour();
    ForEachShownPixel(surface, view, viewCentre, [&](int x, int y, const Particle&) {
        surface.pixels[static_cast<long>(y) * surface.width + x] = colour;
    });
}
