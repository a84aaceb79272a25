// Rain and snow: the number shown ramps over the given time, a particle at its end is born
// again at once, and each copy of the field is drawn only within the clip rectangle. Sparks:
// a burst flies from its point, falls and goes out.
#include "Library/world/particle_mgr.h"

#include "Library/graphics/screen_fixture.h"
#include "Library/world/rain_particle_mgr.h"
#include "Library/world/snow_particle_mgr.h"
#include "Library/world/spare_particle_mgr.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using MakeWeather = std::function<std::unique_ptr<ParticleMgr>()>;

class Weather : public ::testing::TestWithParam<MakeWeather> {};

// The ramp shows all 30 after its d ms and none after d ms of fading; a particle at the end
// of its life is born again somewhere in the field in the same frame.
TEST_P(Weather, TheRampShowsAllAndFadesToNoneAndParticlesAreBornAgain) {
    const std::unique_ptr<ParticleMgr> weather = GetParam()();
    weather->Reset();
    weather->SetActive(true, 400);
    for (int frame = 0; frame < 5; ++frame)
        weather->Update(40);
    EXPECT_EQ(weather->GetActiveCount(), 15);
    EXPECT_TRUE(weather->IsRamping());
    for (int frame = 0; frame < 5; ++frame)
        weather->Update(40);
    EXPECT_EQ(weather->GetActiveCount(), 30);
    EXPECT_FALSE(weather->IsRamping());
    weather->Update(16000); // longer than any particle lives
    for (int index = 0; index < 30; ++index) {
        const Particle& particle = weather->GetParticle(index);
        EXPECT_GT(particle.life, 0);
        EXPECT_TRUE(particle.position.x >= 0 && particle.position.x < 52 &&
                    particle.position.y >= 0 && particle.position.y < 42);
    }
    weather->SetActive(false, 400);
    weather->Update(200);
    EXPECT_EQ(weather->GetActiveCount(), 15);
    weather->Update(200);
    EXPECT_EQ(weather->GetActiveCount(), 0);
    EXPECT_FALSE(weather->IsRamping());
}

// A stored weather period may last as long as a uint32_t counts; the ramp's point in it must
// not overflow when the strength is set at either end.
TEST_P(Weather, TheLongestRampTakesEitherEnd) {
    auto weather = GetParam()();
    weather->SetActive(true, UINT32_MAX);
    weather->Start(1.0f, true);
    EXPECT_EQ(weather->GetActiveCount(), 30);
    weather->Start(0.0f, false);
    EXPECT_EQ(weather->GetActiveCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    RainAndSnow, Weather,
    ::testing::Values([] { return std::unique_ptr<ParticleMgr>(new SnowParticleMgr(30)); },
                      [] { return std::unique_ptr<ParticleMgr>(new RainParticleMgr(30)); }));

// Four pixels a world unit: the field is 208 x 168 pixels.
class SmallView : public MapView {
public:
    Vector GetPixelsPerUnit() const override { return Vector(4, 4, 0); }
    Vector GetViewOffset() const override { return Vector(0, 0, 0); }
};

// One flake, seen from a view whose centre cell (30, 25) puts the field's copies at 0 and 52
// across and 0 and 42 down; the clip rectangle keeps the first copy's columns only, so the
// two copies on the left are drawn and the two on the right skipped.
TEST_F(ScreenTest, EachCopyOfAFlakeOutsideTheClipIsSkippedAlone) {
    SnowParticleMgr snow(30);
    snow.Reset();
    snow.SetActive(true, 30);
    snow.Update(1);
    ASSERT_EQ(snow.GetActiveCount(), 1);
    const Vector at = snow.GetParticle(0).position;
    ClearTo(0);
    m_screen->SetDrawColour(0xFFFF);
    m_screen->SetClipRect(0, 0, 208, 600);
    snow.Draw(*m_screen, SmallView(), Vector(30, 25, 0));
    for (const Vector& corner : {Vector(0, 0, 0), Vector(0, 42, 0)}) {
        int x = 0, y = 0;
        WorldToPixel(SmallView(), corner + at, x, y);
        EXPECT_EQ(PixelAt(x, y), 0xFFFF) << x << ", " << y;
    }
    EXPECT_EQ(CountPixels(0xFFFF), 2);
}

// A burst starts every spark at its point; gravity bends them down the screen; after their
// half second they go out and the burst is over. A spark is drawn in its own colour.
TEST_F(ScreenTest, ABurstFliesFallsAndGoesOut) {
    SpareParticleMgr sparks(12);
    ASSERT_EQ(sparks.GetActiveCount(), 12);
    const Vector at(20, 20, 0);
    sparks.Burst(at);
    EXPECT_TRUE(sparks.IsAlive());
    for (int index = 0; index < 12; ++index) {
        const Particle& spark = sparks.GetParticle(index);
        EXPECT_EQ(spark.position, at);
        EXPECT_TRUE(spark.life >= 400 && spark.life < 600) << spark.life;
        const float speed = spark.velocity.Length();
        EXPECT_TRUE(speed >= 1.0f && speed < 3.5f) << speed;
    }
    const Vector before = sparks.GetParticle(0).velocity;
    sparks.Update(100);
    EXPECT_NEAR(sparks.GetParticle(0).velocity.y - before.y, 0.98f, 1e-4f);
    EXPECT_EQ(sparks.GetParticle(0).position, at + before * 0.1f);

    ClearTo(0);
    sparks.Draw(*m_screen, SmallView(), Vector());
    int x = 0, y = 0;
    WorldToPixel(SmallView(), sparks.GetParticle(11).position, x, y); // the last one drawn
    EXPECT_EQ(PixelAt(x, y), sparks.GetParticle(11).colour);

    for (int frame = 0; frame < 6; ++frame)
        sparks.Update(100);
    EXPECT_FALSE(sparks.IsAlive());
}

} // namespace
