#pragma once
// Screen-wide weather made of a few particles: they live in a field of 52 x 42 world units
// repeated around the view, and the number shown grows or shrinks over a given time, so
// that rain and snow start and stop gradually. Nothing is allocated after construction.

#include "Library/core/vector.h"
#include "Library/geometry/map_view.h"
#include "Library/graphics/screen.h"
#include "Library/world/particle.h"

#include <cmath>
#include <cstdint>
#include <vector>

class ParticleMgr {
public:
    static constexpr float kFieldWidth = 52.0f; // world units
    static constexpr float kFieldHeight = 42.0f;

    explicit ParticleMgr(int count, const Vector& origin = Vector()); // none shown
    ParticleMgr(const ParticleMgr&) = delete;
    ParticleMgr& operator=(const ParticleMgr&) = delete;
    virtual ~ParticleMgr() = default;

    void Reset(); // none shown, and every particle spawned afresh
    // From now on the number shown grows to all (growing) or shrinks to none over
    // durationMs (at least 1).
    void SetActive(bool growing, uint32_t durationMs);
    // A share (0 to 1) of all shown at once, as far along the current ramp as that share
    // is, every particle spawned afresh.
    void Start(float fraction, bool growing);
    bool IsRamping() const; // still growing toward all, or shrinking toward none
    int GetActiveCount() const { return m_active; }
    int GetCount() const { return static_cast<int>(m_particles.size()); }
    const Particle& GetParticle(int index) const { return m_particles[static_cast<size_t>(index)]; }
    const Vector& GetOrigin() const { return m_origin; }

    // The ramp, then every shown particle moves along its path, or, at the end of its life,
    // is spawned afresh in the same frame.
    virtual void Update(uint32_t frameMs);
    // The shown particles in the screen's drawing colour, each at its place in the four
    // copies of the field around the view's centre cell, within g_clipRect.
    virtual void Draw(Screen& screen, const MapView& view, const Vector& viewCentre) = 0;

protected:
    virtual void Spawn(int index) = 0;
    // The step after the current one; a path of one step stays on it.
    virtual void NextStep(Particle& /*particle*/) const {}
    void UpdateRamp(uint32_t frameMs);
    void SetOrigin(const Vector& origin) { m_origin = origin; }
    void SetActiveCount(int active) { m_active = active; }
    Particle& At(int index) { return m_particles[static_cast<size_t>(index)]; }
    static Vector RandomFieldPoint();
    // plot(x, y, particle) for each copy of a shown particle that falls on a pixel of the
    // surface within g_clipRect.
    template <class Plot>
    void ForEachShownPixel(const PixelSurface& surface, const MapView& view,
                           const Vector& viewCentre, Plot plot) const;

private:
    std::vector<Particle> m_particles;
    int m_active = 0;
    bool m_growing = false;
    uint32_t m_rampMs = 0;
    uint32_t m_rampDuration = 1;
    Vector m_origin;
};

template <class Plot>
void ParticleMgr::ForEachShownPixel(const PixelSurface& surface, const MapView& view,
                                    const Vector& viewCentre, Plot plot) const {
    const Vector origin(
        std::floor((viewCentre.x - kFieldWidth * 0.5f) / kFieldWidth) * kFieldWidth,
        std::floor((viewCentre.y - kFieldHeight * 0.5f) / kFieldHeight) * kFieldHeight, 0.0f);
    const Vector corners[] = {Vector(0, 0, 0), Vector(kFieldWidth, 0, 0),
                              Vector(kFieldWidth, kFieldHeight, 0), Vector(0, kFieldHeight, 0)};
    const PixelSurface::Area area = surface.Visible(g_clipRect);
    for (int index = 0; index < m_active; ++index) {
        const Particle& particle = m_particles[static_cast<size_t>(index)];
        for (const Vector& corner : corners) {
            int x = 0, y = 0;
            WorldToPixel(view, origin + corner + particle.position, x, y);
            if (area.Holds(x, y))
                plot(x, y, particle);
        }
    }
}
