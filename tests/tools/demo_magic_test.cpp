// The demo world's projectile sets, explosions and spells, read from its archives as the
// game reads them, and the projectiles' sixteen-way art.
#include "Library/files/data_paths.h"
#include "Library/files/res_file_mgr.h"
#include "Library/graphics/animation.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "Source/creatures/explosion.h"
#include "Source/creatures/uni_spell_mgr.h"
#include "Source/entities/projectile_launcher.h"
#include "Source/entities/projectile_mgr.h"
#include "demo_world_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class DemoMagic : public testsupport::DemoWorldSuite {
protected:
    void SetUp() override {
        ASSERT_TRUE(World().Built());
        m_paths.SetUseResourceFiles(true);
        g_dataPaths = &m_paths;
        ASSERT_TRUE(m_general.Open(m_paths.GetGeneralResPath().c_str(), ResFileMgr::kRead));
        ASSERT_TRUE(m_animations.Open(m_paths.GetAnimationResPath().c_str(), ResFileMgr::kRead));
        g_generalRes = &m_general;
        g_animationRes = &m_animations;
    }
    void TearDown() override {
        g_generalRes = g_animationRes = nullptr;
        g_dataPaths = nullptr;
    }

    DataPaths m_paths{World().Root().c_str()};
    ResFileMgr m_general;
    ResFileMgr m_animations;
};

TEST_F(DemoMagic, EverySetOfTheLauncherThatTheWorldUsesLoadsWithItsFlights) {
    struct Expected {
        int kind;
        int records;
    };
    for (const Expected& expected : {Expected{1, 1}, Expected{3, 1}, Expected{7, 1}, Expected{8, 2},
                                     Expected{9, 3}, Expected{10, 1}, Expected{11, 1}}) {
        const char* name = ProjectileLauncher::GetKindName(expected.kind);
        SCOPED_TRACE(name);
        ProjectileMgr set;
        ASSERT_TRUE(set.Load(name));
        EXPECT_EQ(set.CountRecords(), expected.records);
    }
    for (const char* explosion : {"fire_ring", "green_gas_cloud"}) {
        Explosion burst;
        burst.Reset();
        EXPECT_TRUE(burst.Load(explosion)) << explosion;
        EXPECT_EQ(burst.GetDefinition().ringFactor, 8u);
    }
}

TEST_F(DemoMagic, TheRegistryHoldsAllNineWithThePlayScreensIds) {
    UniSpellMgr registry;
    ASSERT_TRUE(registry.LoadAll());
    for (uint32_t id : {4004u, 4005u, 4006u, 4007u, 2112u, 2213u, 2304u}) {
        const Spell* spell = registry.FindSpell(id);
        ASSERT_NE(spell, nullptr) << id;
        EXPECT_NE(spell->GetSelectedAbility(), nullptr) << id;
    }
    const Spell* missile = registry.FindSpell(2112);
    ASSERT_EQ(missile->CountAbilities(), 3);
}

TEST_F(DemoMagic, ProjectilesFaceSixteenWaysAndBurstsPlayOnce) {
    UniAnimationMgr pool;
    for (const char* set : {"Projectile/arrow", "Projectile/fireball", "Projectile/magic_missile",
                            "Projectile/stinking_cloud", "Projectile/grenade", "Misc/fire_centre",
                            "Misc/gas_cloud"}) {
        SCOPED_TRACE(set);
        const Stringc path = m_paths.GetAnimDir() + "/" + set + "/misc_1.ani";
        const Animation* animation = pool.GetAnimation(path.c_str());
        ASSERT_NE(animation, nullptr);
        const bool flies = std::string(set).rfind("Projectile/", 0) == 0;
        EXPECT_EQ(animation->GetSequenceCount(), flies ? 16 : 1);
        EXPECT_GE(animation->GetFrameCount(), 2);
    }
}

} // namespace
