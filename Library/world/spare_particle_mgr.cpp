#include "Library/world/spare_particle_mgr.h"

#include "Library/core/random.h"
#include "Library/graphics/colour.h"

namespace {

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;
const Colour kSparkColours[] = {
    Colour(255, 64, 32),  Colour(255, 160, 0),  Colour(255, 255, 64),  Colour(96, 255, 96),
    Colour(64, 224, 255), Colour(160, 96, 255), Colour(255, 255, 255),
};
constexpr int kSparkColourCount = sizeof kSparkColours / sizeof kSparkColours[0];

} // namespace

SpareParticleMgr::SpareParticleMgr(int count) : ParticleMgr(count) {
    SetActiveCount(GetCount());
    for (int index = 0; index < GetCount(); ++index) {
        Particle& spark = At(index);
        spark.AllocTrail(1);
        spark.acceleration = Vector(0.0f, kGravity, 0.0f);
        spark.colour = kSparkColours[RandomInt(0, kSparkColourCount)].Pack16();
    }
}

void SpareParticleMgr::Burst(const Vector& origin) {
    m_alive = true;
    SetOrigin(origin);
    m_direction = RandomFloat(0.0f, 360.0f) * kRadiansPerDegree;
    m_spread = RandomFloat(0.0f, 120.0f) * kRadiansPerDegree;
    m_speed = RandomFloat(1.5f, 3.5f);
    for (int index = 0; index < GetActiveCount(); ++index)
        Spawn(index);
}

void SpareParticleMgr::Spawn(int index) {
    Particle& spark = At(index);
    spark.life = RandomInt(400, 600);
    spark.position = GetOrigin();
    const double heading = m_direction + RandomFloat(0.0f, static_cast<float>(m_spread));
    spark.velocity.SetSpherical(RandomFloat(1.0f, m_speed), static_cast<float>(heading), 0.0f);
}

void SpareParticleMgr::Update(uint32_t frameMs) {
    const float seconds = static_cast<float>(frameMs) / 1000.0f;
    m_alive = false;
    for (int index = 0; index < GetActiveCount(); ++index) {
        Particle& spark = At(index);
        if (spark.life <= 0)
            continue;
        spark.life -= static_cast<int32_t>(frameMs);
        spark.position += spark.velocity * seconds;
        spark.velocity += spark.acceleration * seconds;
        m_alive = true;
    }
}

void SpareParticleMgr::Draw(Screen& screen, const MapView& view, const Vector& /*viewCentre*/) {
    const PixelSurface& surface = screen.GetSurface();
    const PixelSurface::Area area = surface.Visible(g_clipRect);
    for (int index = 0; index < GetActiveCount(); ++index) {
        const Particle& spark = GetParticle(index);
        int x = 0, y = 0;
        WorldToPixel(view, spark.position, x, y);
        if (spark.life >= 1 && area.Holds(x, y))
            surface.pixels[static_cast<long>(y) * surface.width + x] = spark.colour;
    }
}
