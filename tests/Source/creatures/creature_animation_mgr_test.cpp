// A creature's art: the set and file its body type and state choose, the layers' order,
// and blood.
#include "Source/creatures/creature_animation_mgr.h"

#include "Library/graphics/animation_support.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "Library/world/tile_map_support.h"
#include "Library/world/vehicle.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_factory.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "scripted_random.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr int kFrames = 4; // each direction's
constexpr uint32_t kGround[3] = {0, 0x100, 0};

class CreatureArtTest : public testsupport::MapDataRoot {
protected:
    void SetUp() override {
        ASSERT_TRUE(ReadBytes(testsupport::MapBytes(16, 16, kGround)));
        const std::pair<const char*, std::vector<const char*>> sets[] = {
            {"Creat/scimale", {"s0", "w0", "d0"}},
            {"Char/chmf4", {"s0", "w0", "w1"}},
            {"Char/cshd", {"s0", "w0", "w1"}},
            {"Creat/nfam", {"s0"}},
            {"Misc/shadow", {"misc_1"}}};
        for (const auto& [set, files] : sets)
            for (const char* file : files)
                testsupport::WriteAni(m_root, set, file, 8 * kFrames, 8, 50);
        for (const char* blood : {"Misc/blood0", "Misc/blood2"})
            testsupport::WriteAni(m_root, blood, "h0", 3, 1, 50);
        g_uniAnimationMgr = &m_pool;
    }
    void TearDown() override { g_uniAnimationMgr = nullptr; }

    SoldierEntity* Soldier(int body) {
        auto* soldier = static_cast<SoldierEntity*>(
            m_manager.CreateEntity(5.5f, 5.5f, 0, Entity::kTypeSoldier));
        soldier->SetRadius(0.5f, 0);
        CreatureData& data = Creature::Of(soldier)->GetData();
        data.SetBodyType(0, static_cast<uint16_t>(body));
        data.SetMaxHitPoints(10);
        data.AddHitPoints(10);
        return soldier;
    }
    // Moving along the 16-way direction for one frame: the walk facing follows it.
    static void WalkToward(SoldierEntity* soldier, int direction16) {
        const double angle = direction16 * 3.14159265358979 / 8;
        soldier->GetVehicle()->SetVelocity(Vector(static_cast<float>(3 * std::sin(angle)),
                                                  static_cast<float>(-3 * std::cos(angle)), 0));
        soldier->Update(33);
    }

    testsupport::ScopedDataRoot m_root;
    UniAnimationMgr m_pool;
    ScopedCreatureFactory m_creatures;
    EntityMgr m_manager{&m_map};
};

TEST_F(CreatureArtTest, TheBodyTypeChoosesTheSetAndTheStateTheFile) {
    struct Case {
        int body;
        int state;
        const char* set;
        const char* file;
        int frame;
    };
    const Case cases[] = {
        {1, SoldierEntity::kStateStanding, "Creat/scimale", "s0", 2}, // a random start
        {1, SoldierEntity::kStateDying, "Creat/scimale", "d0", 0},
        {1, SoldierEntity::kStateDead, "Creat/scimale", "d0", kFrames - 1},
        {1, SoldierEntity::kStateHit, "Creat/scimale", "s0", 0},
        {CreatureAnimationMgr::kCompositeBody, SoldierEntity::kStateStanding, "Char/chmf4", "s0",
         1},
        {51200, SoldierEntity::kStateStanding, "Creat/nfam", "s0", 2},
        {99, SoldierEntity::kStateStanding, "", "", 0},
    };
    testsupport::ScriptedRandom random({2, 1, 2});
    for (const Case& c : cases) {
        SoldierEntity* soldier = Soldier(c.body);
        soldier->SetState(c.state);
        const AnimationMgr& body = soldier->GetAnimation();
        EXPECT_STREQ(body.GetAnimationName().c_str(), c.set) << c.body << " " << c.state;
        EXPECT_STREQ(body.GetName().c_str(), c.file) << c.body << " " << c.state;
        EXPECT_EQ(body.GetFrame(), c.frame) << c.body << " " << c.state;
    }
    EXPECT_EQ(random.Ranges()[0], std::make_pair(0, kFrames - 1));
}

// Only the composite body starts its walk on an odd heading in its second file; a walker
// that turns changes its facing and keeps the walk it started.
TEST_F(CreatureArtTest, TheCompositeBodyStartsItsWalkInItsOtherFileOnOddHeadings) {
    testsupport::ScriptedRandom random({0, 0, 0});
    SoldierEntity* player = Soldier(CreatureAnimationMgr::kCompositeBody);
    SoldierEntity* scientist = Soldier(1);
    SoldierEntity* turner = Soldier(CreatureAnimationMgr::kCompositeBody);
    WalkToward(player, 5);
    WalkToward(scientist, 5);
    WalkToward(turner, 2);
    WalkToward(turner, 5);
    EXPECT_TRUE(player->IsInState(SoldierEntity::kStateWalking));
    EXPECT_EQ(player->GetWalkDirection(), 5);
    EXPECT_EQ(player->GetDirection(), 2);
    EXPECT_STREQ(player->GetAnimation().GetName().c_str(), "w1");
    EXPECT_STREQ(scientist->GetAnimation().GetName().c_str(), "w0");
    EXPECT_EQ(turner->GetDirection(), 2);
    EXPECT_STREQ(turner->GetAnimation().GetName().c_str(), "w0");
}

// A splash plays to its end before another may start.
TEST_F(CreatureArtTest, BloodIsIgnoredWhileASplashPlays) {
    testsupport::ScriptedRandom random({0, 2});
    CreatureAnimationMgr& art = Creature::Of(Soldier(1))->GetArt();
    art.ShowBlood();
    const AnimationMgr& blood = art.GetLayer(CreatureAnimationMgr::kBlood);
    EXPECT_STREQ(blood.GetAnimationName().c_str(), "Misc/blood0");
    EXPECT_TRUE(art.IsBloodPlaying());
    art.Refresh(50);
    art.ShowBlood();
    EXPECT_EQ(random.Left(), 1u);
    EXPECT_EQ(blood.GetFrame(), 1);
    art.Refresh(50);
    EXPECT_FALSE(art.IsBloodPlaying());
    art.ShowBlood();
    EXPECT_STREQ(blood.GetAnimationName().c_str(), "Misc/blood2");
    EXPECT_EQ(blood.GetFrame(), 0);
}

} // namespace
