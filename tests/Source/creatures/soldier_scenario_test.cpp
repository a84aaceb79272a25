// Soldiers from the demo world's templates, on its map, with its art: the player walks
// round the house, kills the scientist waiting behind it and the body stays on the map.
#include "Library/graphics/graphic.h"
#include "Library/graphics/screen_fixture.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/ability_data.h"
#include "Source/creatures/ability_delivery.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_factory.h"
#include "Source/creatures/creature_item_rules.h"
#include "Source/creatures/game_rules.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/soldier_planner.h"
#include "demo_world_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

constexpr uint32_t kFrameMs = 33;

// Blows by mode reach a living creature as its hit, as the ability routines will deliver
// them: a hit roll, the damage, and the hit event.
class StrikingDelivery : public AbilityDelivery {
public:
    StrikingDelivery() { SetAbilityDelivery(this); }
    ~StrikingDelivery() override { SetAbilityDelivery(nullptr); }

    bool ApplyToTargetByMode(AbilityData& use) override {
        Entity* target = use.GetTarget();
        AttackRoll roll;
        int damage = 0;
        if (target == nullptr || target->IsDeadSoldier())
            return true;
        if (GameRules::HitRoll(use.GetSource(), use, target, roll) &&
            GameRules::DamageOneHit(use.GetSource(), use, target, roll, damage))
            target->OnEvent(SoldierEntity::kEventHit, damage, static_cast<int>(use.GetDamageType()),
                            use.GetSource());
        return true;
    }
    bool Fire(int, AbilityData&) override { return false; }
    bool CastSpell(int, int, AbilityData&) override { return false; }
    bool ApplyToTarget(AbilityData&, Entity*) override { return false; }
    bool ApplyToNearestInArea(AbilityData&) override { return false; }
    void SetAreaShape(const AbilityData&) override {}
};

class SoldierScenario : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ASSERT_TRUE(m_world.Built());
        m_mode.BuildPaths(m_world.Root().c_str());
        g_gameMode = &m_mode;
        g_dataPaths = &m_mode.Paths();
        m_mode.SetMode(kModeAreaMap);
        m_mode.ApplyPendingMode();
        g_uniAnimationMgr = &m_animations;
        ASSERT_TRUE(Graphic::InitScratch());
        ASSERT_TRUE(m_map.Load("demo"));
        for (int y = 0; y < m_map.GetHeight(); ++y)
            for (int x = 0; x < m_map.GetWidth(); ++x) {
                m_map.SetExplored(x, y, true);
                m_map.SetInView(x, y, true);
            }
    }
    void TearDown() override {
        m_manager.reset();
        Graphic::FreeScratch();
        g_uniAnimationMgr = nullptr;
        g_dataPaths = nullptr;
        g_gameMode = nullptr;
        ScreenTest::TearDown();
    }

    // Frames until done() or the limit; whether done() came.
    bool RunUntil(
        int frames, const std::function<bool()>& done, const std::function<void()>& each = [] {}) {
        for (int frame = 0; frame < frames; ++frame) {
            m_manager->Update(kFrameMs);
            each();
            if (done())
                return true;
        }
        return false;
    }
    // Corners are cut by less than a tenth of a cell.
    bool NearWalkable(const Vector& point) const {
        for (float dx : {-0.1f, 0.0f, 0.1f})
            for (float dy : {-0.1f, 0.0f, 0.1f})
                if (m_map.IsWalkableAt(point + Vector(dx, dy, 0)))
                    return true;
        return false;
    }
    // Twice: a creature shows from the second frame after it moved into the picture.
    void DrawScene() {
        for (int frame = 0; frame < 2; ++frame) {
            m_map.Draw(*m_screen, TileMap::kFogOfWar);
            m_map.DrawObjects(*m_screen);
        }
    }

    testsupport::DemoWorldDir m_world;
    GameMode m_mode;
    UniAnimationMgr m_animations;
    TileMap m_map{m_mode.Paths(), nullptr};
    ScopedCreatureFactory m_creatures;
    CreatureItemRules m_rules;
    StrikingDelivery m_delivery;
    std::unique_ptr<EntityMgr> m_manager = std::make_unique<EntityMgr>(&m_map);
};

TEST_F(SoldierScenario, ThePlayerWalksRoundTheHouseAndTheKilledScientistStaysDrawn) {
    const Vector yard(67.5f, 26.5f, 0), behind(64.5f, 9.5f, 0), meeting(66.25f, 9.75f, 0);
    SoldierEntity* player = CreateCreature(*m_manager, "if_idyl_player_tutorial", yard, 0);
    SoldierEntity* scientist = CreateCreature(*m_manager, "scimale_hostile", behind, 2);
    ASSERT_NE(player, nullptr);
    ASSERT_NE(scientist, nullptr);
    EXPECT_EQ(player->GetPosition(), yard);
    ASSERT_FALSE(m_map.WalkLineB(yard, behind)); // the house is in the way

    ASSERT_TRUE(m_manager->GetPlanner()->PlanPathToPoint(*player, meeting));
    player->OnEvent(SoldierEntity::kEventWalkTo, &player->GetPath().GetGoal(), 0, 0);
    bool walked = false, onGround = true;
    EXPECT_TRUE(RunUntil(
        1500, [&] { return walked && !player->HasPending(); },
        [&] {
            walked = walked || player->IsInState(SoldierEntity::kStateWalking);
            onGround = onGround && NearWalkable(player->GetPosition());
        }));
    EXPECT_TRUE(onGround);
    EXPECT_LT((player->GetPosition() - scientist->GetPosition()).Length(), 2.5f);

    // Blow after blow with the sword in hand, each at the swing's trigger frame.
    ASSERT_NE(player->GetCurrentItem(), nullptr);
    int attacks = 0;
    bool swung = false;
    EXPECT_TRUE(RunUntil(
        3000, [&] { return scientist->IsInState(SoldierEntity::kStateDead); },
        [&] {
            swung = swung || player->IsInState(SoldierEntity::kStateAttacking);
            if (!player->HasPending() && !scientist->IsDead()) {
                player->OnEvent(SoldierEntity::kEventAttack, scientist, 0, 0);
                ++attacks;
            }
        }));
    EXPECT_TRUE(swung);
    EXPECT_GT(attacks, 0);
    EXPECT_FALSE(scientist->IsAlive());
    EXPECT_STREQ(player->GetAnimation().GetAnimationName().c_str(), "Char/chmf4");
    const AnimationMgr& body = scientist->GetAnimation();
    EXPECT_STREQ(body.GetName().c_str(), "d0");
    EXPECT_EQ(body.GetFrame(), body.GetFrameCount() - 1);
    EXPECT_EQ(m_map.GetList(TileMap::kExtraList), scientist);
    RunUntil(30, [] { return false; }); // and it stays dead and where it fell
    EXPECT_TRUE(scientist->IsInState(SoldierEntity::kStateDead));

    // The dead scientist is drawn: the scene differs where it lies when it is taken away.
    m_map.CentreViewOn(scientist->GetPosition());
    DrawScene();
    EXPECT_TRUE(m_screen->SaveScreenshot((m_root + "/soldiers.bmp").c_str()));
    EXPECT_TRUE(std::filesystem::exists(m_root + "/soldiers.bmp"));
    const ScreenPos where = scientist->GetScreenRect();
    std::vector<uint16_t> withBody;
    for (int y = where.y; y < where.y + where.h; ++y)
        for (int x = where.x; x < where.x + where.w; ++x)
            withBody.push_back(PixelAt(x, y));
    m_map.RemoveObjectFromExtraList(scientist);
    DrawScene();
    int changed = 0, index = 0;
    for (int y = where.y; y < where.y + where.h; ++y)
        for (int x = where.x; x < where.x + where.w; ++x)
            changed += PixelAt(x, y) != withBody[index++];
    EXPECT_GT(changed, 40);
}

} // namespace
