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

#include <utility>

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

// The sets of the launcher's kinds the spells and weapons fire, the explosions, the nine
// definitions with the play screen's ids, and the art: sixteen ways for what flies.
TEST_F(DemoMagic, EverythingTheSpellsAndWeaponsFireLoadsFromTheArchives) {
    const std::pair<int, int> sets[] = {{1, 1}, {3, 1}, {7, 1}, {8, 2}, {9, 3}, {10, 1}, {11, 1}};
    for (const auto& [kind, records] : sets) {
        ProjectileMgr set;
        ASSERT_TRUE(set.Load(ProjectileLauncher::GetKindName(kind))) << kind;
        EXPECT_EQ(set.CountRecords(), records) << kind;
    }
    for (const char* explosion : {"fire_ring", "green_gas_cloud"})
        EXPECT_TRUE(Explosion().Load(explosion)) << explosion;
    UniSpellMgr registry;
    ASSERT_TRUE(registry.LoadAll());
    for (uint32_t id : {4004u, 4005u, 4006u, 4007u, 2112u, 2213u, 2304u})
        EXPECT_NE(registry.GetAbility(id, nullptr), nullptr) << id;
    UniAnimationMgr pool;
    for (const char* set : {"Projectile/arrow", "Projectile/fireball", "Projectile/magic_missile",
                            "Projectile/stinking_cloud", "Projectile/grenade", "Misc/fire_centre",
                            "Misc/gas_cloud"}) {
        const Stringc path = m_paths.GetAnimDir() + "/" + set + "/misc_1.ani";
        const Animation* animation = pool.GetAnimation(path.c_str());
        ASSERT_NE(animation, nullptr) << set;
        EXPECT_EQ(animation->GetSequenceCount(), set[0] == 'P' ? 16 : 1) << set;
    }
}

} // namespace
