#pragma once
// Rain: drops that fall fast at a steep slant, drawn as short streaks whose length cycles
// as each drop steps along its path.

#include "Library/world/particle_mgr.h"

class RainParticleMgr : public ParticleMgr {
public:
    static constexpr int kPathLength = 12;

    explicit RainParticleMgr(int count);

    void Draw(Screen& screen, const MapView& view, const Vector& viewCentre) override;

protected:
    void Spawn(int index) override;               // 750-1000 ms to live, anywhere in the field
    void NextStep(Particle& drop) const override; // round the path
};
