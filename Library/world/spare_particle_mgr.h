#pragma once
// A burst of coloured sparks: all of them fly out at once from one point in a fan of random
// heading and width, fall under gravity and go out after about half a second. Each is drawn
// as one pixel of its own colour.

#include "Library/world/particle_mgr.h"

class SpareParticleMgr : public ParticleMgr {
public:
    static constexpr float kGravity = 9.8f; // world units a second, each second, down the map

    explicit SpareParticleMgr(int count); // every spark shown, none alive until a burst

    void Burst(const Vector& origin);
    bool IsAlive() const { return m_alive; } // a spark was still alight at the last update
    void Update(uint32_t frameMs) override;
    // The sparks alight at their own points (the field is not repeated), within g_clipRect.
    void Draw(Screen& screen, const MapView& view, const Vector& viewCentre) override;

protected:
    void Spawn(int index) override;

private:
    double m_direction = 0.0; // radians
    double m_spread = 0.0;    // radians
    float m_speed = 0.0f;     // the fastest spark's, world units a second
    bool m_alive = false;
};
