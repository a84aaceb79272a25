// Explosions: their definition file, the ring and its area, hits per pulse, repeats and the
// manager's slots.
#include "Source/creatures/explosion_mgr.h"

#include "Library/core/test_stream_support.h"
#include "Library/files/file_stream.h"
#include "Library/graphics/colour_mod.h"
#include "Library/world/tile_map_support.h"
#include "Library/world/tile_record.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/launched_ability_fake.h"
#include "Source/entities/projectile_entity.h"
#include "platform/win_rand.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace testsupport;

constexpr uint32_t kGround[3] = {0, TileRecord::kWalkable, 0};

TEST(ExplosionDefinition, IsTheFieldsInFileOrderAndACutOneChangesNothing) {
    TypedBytes file;
    file.U32(7).U8(1).U32(8).U32(2).U32(16).U32(4).I32(3);
    file.Text("fire_centre").Text("fire_spark").F32(0.5f);
    file.Text("smoke").U32(2).Text("smoke_end").U32(3);
    file.Text("boom.wav").Text("").Text("x").F32(0.25f);
    file.U8(1).U8(255).U8(128).U8(0);
    file.U8(0).U8(0).U8(0).U8(0);
    file.U8(1).U8(10).U8(200).U8(30);
    ExplosionDefinition definition;
    ExpectRoundTripAndTruncationsFail(file.Get(), definition);
    EXPECT_EQ(definition.mode, Explosion::kPulse);
    EXPECT_EQ(definition.cloudEndAnimation, "smoke_end");
    EXPECT_EQ(definition.tints[2].colour.green, 200);
}

// Its four animations and its sound are files of their folders: a name leading out of one
// refuses the definition, and the one read before stays.
TEST(ExplosionDefinition, ANameLeadingOutOfItsFolderRefusesIt) {
    ExplosionDefinition kept;
    kept.cloudAnimation = "smoke";
    for (Stringc ExplosionDefinition::*name :
         {&ExplosionDefinition::centreAnimation, &ExplosionDefinition::projectileAnimation,
          &ExplosionDefinition::cloudAnimation, &ExplosionDefinition::cloudEndAnimation,
          &ExplosionDefinition::sound}) {
        ExplosionDefinition forged;
        forged.*name = "../fire";
        MemStream out(kStreamWriteBinary);
        ASSERT_TRUE(forged.Write(out));
        const std::string bytes = BytesOf(out);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(ReadFrom(kept, Bytes(bytes.begin(), bytes.end())));
        testing::internal::GetCapturedStderr();
        EXPECT_EQ(kept.cloudAnimation, "smoke");
    }
}

// A 16 x 16 field; explosions read from its data root and fly in its entity manager.
class ExplosionTest : public MapDataRoot {
protected:
    ExplosionTest() { g_dataPaths = &m_paths; }
    ~ExplosionTest() override { g_dataPaths = nullptr; }
    // The clouds stand at random points: each test draws them from the same start.
    void SetUp() override {
        platform::SeedRand(1);
        ASSERT_TRUE(ReadBytes(MapBytes(16, 16, kGround)));
    }

    // fire_ring: 8 fragments per unit of radius, no clouds, the repeats in the mode.
    void WriteFireRing(uint8_t mode, int32_t repeats, uint32_t cloudFactor = 0) {
        ExplosionDefinition definition;
        definition.mode = mode;
        definition.ringFactor = 8;
        definition.cloudFactor = cloudFactor;
        definition.repeats = repeats;
        definition.cloudAnimation = "smoke";
        MemStream out(kStreamWriteBinary);
        ASSERT_TRUE(definition.Write(out));
        m_dir.WriteFile("Data/ExplMgr/fire_ring.dat", BytesOf(out));
    }
    Entity* Creature(const char* name, float x, float y) {
        Entity* creature = m_manager.CreateEntity(x, y, 0.0f, Entity::kTypeSoldier);
        creature->SetTemplateName(name);
        creature->SetRadius(0.5f, 0);
        return creature;
    }
    // A fire ring of the radius at (8, 8).
    bool Explode(float radius) {
        m_use.targetPoint = Vector(8.0f, 8.0f, 0.0f);
        m_use.radius = radius;
        return m_explosions.Create(1, m_use);
    }
    // Frames of the region until the explosion ends or the count is reached; the states
    // it was in after each frame.
    std::vector<uint32_t> Run(int frames) {
        std::vector<uint32_t> states;
        for (int frame = 0; frame < frames && m_explosions.CountRunning() > 0; ++frame) {
            m_manager.Update(33);
            m_explosions.Update(0.033f);
            const Explosion* running = m_explosions.GetRunning(0);
            states.push_back(running ? running->GetState() : Explosion::kFinished + 1);
            if (running)
                m_mostClouds = std::max(m_mostClouds, running->GetCloudEntityCount());
        }
        return states;
    }
    int Count(const std::string& entry) const {
        return static_cast<int>(std::count(m_log.begin(), m_log.end(), entry));
    }

    CallLog m_log;
    int m_mostClouds = 0; // at once, of any frame Run ran
    FakeLaunchedAbility m_use{m_log};
    EntityMgr m_manager{&m_map};
    EntityMgr* m_slot = &m_manager;
    ExplosionMgr m_explosions{m_slot};
};

TEST_F(ExplosionTest, OnlyTheTwoTypesWithAReadableFileAreMade) {
    EXPECT_FALSE(Explode(2.0f)) << "no file";
    EXPECT_EQ(m_explosions.CountRunning(), 0);
    WriteFireRing(Explosion::kRestart, 0);
    m_dir.WriteFile("Data/ExplMgr/green_gas_cloud.dat", "cut short");
    EXPECT_FALSE(m_explosions.Create(2, m_use));
    EXPECT_FALSE(m_explosions.Create(3, m_use));
    EXPECT_EQ(m_explosions.CountRunning(), 0);
    EXPECT_TRUE(Explode(2.0f));
    EXPECT_EQ(m_explosions.CountRunning(), 1);
}

TEST_F(ExplosionTest, TheRingFliesOutEvenlyAndItsAreaHitsEachCreatureOncePerPulse) {
    WriteFireRing(Explosion::kPulse, 1, 2);
    Entity* inside = Creature("inside", 7.0f, 8.5f);
    Creature("beyond", 8.0f, 11.3f)->SetRadius(0.1f, 0); // past the radius of 3
    ASSERT_TRUE(Explode(1.0f) && m_explosions.GetRunning(0));
    m_explosions.Update(0.033f);
    EXPECT_EQ(m_explosions.GetRunning(0)->GetFlyingCount(), 8);
    for (int index = 0; index < 8; ++index) {
        auto* fragment =
            static_cast<ProjectileEntity*>(m_manager.GetEntity(Entity::kTypeProjectile, index));
        const Vector out = fragment->GetTargetPoint() - Vector(8.0f, 8.0f, 0.0f);
        EXPECT_NEAR(std::atan2(out.y, out.x), std::remainder(index * M_PI / 4, 2 * M_PI), 1e-4)
            << index;
        EXPECT_NEAR(out.Length(), 1.0f, 1e-4) << index;
    }
    m_explosions.Clear();

    m_log.clear();
    ASSERT_TRUE(Explode(3.0f));
    const std::vector<uint32_t> states = Run(400);
    ASSERT_FALSE(states.empty());
    EXPECT_EQ(states.back(), Explosion::kFinished + 1) << "ended";
    EXPECT_EQ(Count("hit inside at 7,8"), 2) << "once while running, once in the pulse";
    EXPECT_EQ(Count("hit beyond at 8,11"), 0);
    EXPECT_EQ(Count("finish"), 1);
    EXPECT_TRUE(m_manager.IsLive(inside));
    EXPECT_EQ(m_mostClouds, 6) << "a cloud on each point of the square of radius 2 it reached";
}

// Tints set on an explosion reach what it makes: its centre, its ring's fragments and its
// clouds, each its own. A cloud stands where its point was scattered, at any height within
// the radius less one.
TEST_F(ExplosionTest, ItsCentreRingAndCloudsTakeTheTintsSetAndCloudsKeepTheirHeights) {
    WriteFireRing(Explosion::kRestart, 0, 4);
    Explosion explosion;
    ASSERT_TRUE(explosion.Load("fire_ring"));
    m_use.targetPoint = Vector(8.0f, 8.0f, 0.0f);
    m_use.radius = 3.0f;
    explosion.SetAbility(m_use);
    const Colour centreTint(200, 10, 10), ringTint(10, 10, 200), cloudTint(10, 200, 30);
    explosion.SetColour1(true, centreTint);
    explosion.SetColour3(true, cloudTint);
    explosion.SetColour2(true, ringTint);
    explosion.Update(m_manager, 0.033f);
    ASSERT_GT(explosion.GetFlyingCount(), 0);
    for (int slot = 0; slot < m_manager.GetSlotCount(Entity::kTypeProjectile); ++slot) {
        if (!m_manager.IsSlotUsed(Entity::kTypeProjectile, slot))
            continue;
        const ColourMod& colours =
            m_manager.GetEntity(Entity::kTypeProjectile, slot)->GetColourMod();
        EXPECT_TRUE(colours.Tints()) << slot;
        EXPECT_EQ(colours.GetTintColour().blue, ringTint.blue) << slot;
    }
    for (int frame = 0; frame < 400 && explosion.GetCloudEntityCount() < 4; ++frame) {
        m_manager.Update(33);
        explosion.Update(m_manager, 0.033f);
    }
    ASSERT_GE(explosion.GetCloudEntityCount(), 4);
    int clouds = 0, raised = 0;
    for (int slot = 0; slot < m_manager.GetSlotCount(Entity::kTypeCycle); ++slot) {
        if (!m_manager.IsSlotUsed(Entity::kTypeCycle, slot))
            continue;
        const Entity* cycle = m_manager.GetEntity(Entity::kTypeCycle, slot);
        const ColourMod& colours = cycle->GetColourMod();
        const bool centre = cycle->GetPosition() == Vector(8.0f, 8.0f, 0.0f);
        const Colour& want = centre ? centreTint : cloudTint;
        EXPECT_TRUE(colours.Tints()) << slot;
        EXPECT_EQ(colours.GetTintColour().green, want.green) << slot;
        if (centre)
            continue;
        ++clouds;
        EXPECT_LE(std::fabs(cycle->GetPosition().z), 2.0f) << slot;
        raised += cycle->GetPosition().z != 0.0f;
    }
    EXPECT_EQ(clouds, explosion.GetCloudEntityCount());
    EXPECT_GT(raised, 0);
}

TEST_F(ExplosionTest, WithoutARingThereIsNoAreaAndARestartStartsAgainAfterItsPause) {
    Creature("at the centre", 8.0f, 8.0f);
    for (int32_t repeats : {0, 1}) {
        SCOPED_TRACE(repeats);
        m_log.clear();
        WriteFireRing(Explosion::kRestart, repeats);
        ASSERT_TRUE(Explode(0.5f));
        const std::vector<uint32_t> states = Run(100);
        EXPECT_EQ(std::count(states.begin(), states.end(), Explosion::kRunning), 1 + repeats);
        ASSERT_GE(states.size(), 3u);
        EXPECT_EQ(std::vector<uint32_t>(states.end() - 3, states.end()),
                  (std::vector<uint32_t>{Explosion::kRunning, Explosion::kFinished,
                                         Explosion::kFinished + 1}));
        EXPECT_EQ(m_log, (CallLog{"finish"}));
    }
}

} // namespace
