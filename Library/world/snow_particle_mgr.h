#pragma once
// Snow: flakes that fall slowly and sway from side to side along a nine-step path, drawn as
// single pixels.

#include "Library/world/particle_mgr.h"

class SnowParticleMgr : public ParticleMgr {
public:
    static constexpr int kPathLength = 9;

    explicit SnowParticleMgr(int count);

    void Draw(Screen& screen, const MapView& view, const Vector& viewCentre) override;

protected:
    void Spawn(int index) override; // 10-15 s to live, anywhere in the field
    // On to the next step of the sway, turning back at either end.
    void NextStep(Particle& flake) const override;
};
