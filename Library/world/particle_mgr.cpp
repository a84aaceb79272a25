#include "Library/world/particle_mgr.h"

#include "Library/core/random.h"

#include <algorithm>

ParticleMgr::ParticleMgr(int count, const Vector& origin)
    : m_particles(static_cast<size_t>(std::max(count, 0))), m_origin(origin) {}

void ParticleMgr::Reset() {
    m_active = 0;
    for (int index = 0; index < GetCount(); ++index)
        Spawn(index);
}

void ParticleMgr::SetActive(bool growing, uint32_t durationMs) {
    m_growing = growing;
    m_rampMs = 0;
    m_rampDuration = std::max<uint32_t>(durationMs, 1);
}

// The ramp's timer goes with the share, so that the next update carries on from it instead
// of jumping to where a timer left at 0 would put the count.
void ParticleMgr::Start(float fraction, bool growing) {
    const float share = fraction > 0.0f ? std::min(fraction, 1.0f) : 0.0f; // NaN: none
    m_growing = growing;
    m_active = std::clamp(RoundToPixel(share * GetCount()), 0, GetCount());
    // In double: a float product of a long duration can round past the largest uint32_t.
    const double elapsed = growing ? share : 1.0 - share;
    m_rampMs = static_cast<uint32_t>(elapsed * m_rampDuration);
    for (int index = 0; index < GetCount(); ++index)
        Spawn(index);
}

bool ParticleMgr::IsRamping() const {
    return m_growing ? m_active < GetCount() : m_active > 0;
}

void ParticleMgr::UpdateRamp(uint32_t frameMs) {
    if (!IsRamping())
        return;
    const int count = GetCount();
    m_rampMs += frameMs;
    const int reached =
        RoundToPixel(static_cast<float>(m_rampMs) / static_cast<float>(m_rampDuration) * count);
    m_active = std::clamp(m_growing ? reached : count - reached, 0, count);
}

Vector ParticleMgr::RandomFieldPoint() {
    return Vector(RandomFloat(0, kFieldWidth), RandomFloat(0, kFieldHeight), 0.0f);
}

void ParticleMgr::Update(uint32_t frameMs) {
    UpdateRamp(frameMs);
    const float seconds = static_cast<float>(frameMs) / 1000.0f;
    for (int index = 0; index < m_active; ++index) {
        Particle& particle = At(index);
        particle.life -= static_cast<int32_t>(frameMs);
        if (particle.life <= 0) {
            Spawn(index);
            continue;
        }
        const size_t step = static_cast<size_t>(particle.pathIndex);
        particle.position += (particle.velocity + particle.offsets[step]) * seconds;
        particle.pathTimer += frameMs;
        if (particle.pathTimer >= particle.stepMs[step]) {
            particle.pathTimer = 0;
            NextStep(particle);
        }
    }
}
