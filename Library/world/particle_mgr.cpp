#include "Library/world/particle_mgr.h"

#include "Library/core/random.h"

#include <algorithm>

ParticleMgr::ParticleMgr(int count) : m_particles(static_cast<size_t>(std::max(count, 0))) {}

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

void ParticleMgr::SetStrength(float fraction, bool growing) {
    const float share = fraction > 0.0f ? std::min(fraction, 1.0f) : 0.0f; // NaN: none
    m_growing = growing;
    m_active = std::clamp(RoundToPixel(share * GetCount()), 0, GetCount());
    // In double: a float product of a long duration can round past the largest uint32_t.
    const double elapsed = growing ? share : 1.0 - share;
    m_rampMs = static_cast<uint32_t>(elapsed * m_rampDuration);
}

void ParticleMgr::UpdateRamp(uint32_t frameMs) {
    const int count = GetCount();
    if (m_growing ? m_active >= count : m_active <= 0)
        return;
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
