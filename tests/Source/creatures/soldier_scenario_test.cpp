// Soldiers from the demo world's templates, on its map, with its art: the player walks
// round the house, kills the scientist waiting behind it and the body stays on the map.
#include "Library/world/tile_map.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/spell_mgr.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/projectile_entity.h"
#include "Source/entities/script_machine.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/soldier_planner.h"
#include "demo_map_world.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

namespace {

class SoldierScenario : public testsupport::DemoMapWorld {};

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

// A creature the scenario keeps alive: a hundred hit points.
void Harden(SoldierEntity& creature) {
    CreatureData& data = Creature::Of(&creature)->GetData();
    data.SetMaxHitPoints(100.0f);
    data.AddHitPoints(100.0f);
}

// A hostile spell starts the fight whatever it is cast on; a friendly one does not.
TEST_F(SoldierScenario, AHostileSpellOnAnyTargetStartsTheCombatCountdown) {
    SoldierEntity* player =
        CreateCreature(*m_manager, "if_idyl_player_tutorial", Vector(60.5f, 26.5f, 0), 2);
    ASSERT_NE(player, nullptr);
    const SpellMgr& spells = Creature::Of(player)->GetData().GetSpellMgr();
    ASSERT_TRUE(spells.HasReadyCharge(2112)); // magic missile, hostile
    ASSERT_TRUE(spells.HasReadyCharge(4006)); // first aid
    Entity* crate = m_manager->CreateEntity(63.5f, 26.5f, 0, Entity::kTypeItem);
    ASSERT_NE(crate, nullptr);
    Creature::Of(player)->CastSpell(4006, crate, nullptr, false);
    EXPECT_EQ(m_manager->GetCombatCountdown(), 0);
    Creature::Of(player)->CastSpell(2112, crate, nullptr, false);
    EXPECT_EQ(m_manager->GetCombatCountdown(), EntityMgr::kCombatTicks);
}

TEST_F(SoldierScenario, ThePlayerShootsBurnsAndThrowsAtTheScientists) {
    const Vector stand(60.5f, 26.5f, 0), far(68.5f, 26.5f, 0), near(69.5f, 27.5f, 0);
    SoldierEntity* player = CreateCreature(*m_manager, "if_idyl_player_tutorial", stand, 2);
    SoldierEntity* scientist = CreateCreature(*m_manager, "scimale_hostile", far, 6);
    SoldierEntity* bystander = CreateCreature(*m_manager, "scimale_neutral", near, 6);
    ASSERT_TRUE(player && scientist && bystander);
    ASSERT_TRUE(m_map.WalkLineB(stand, far));
    for (SoldierEntity* target : {scientist, bystander}) {
        Harden(*target);
        for (int slot = 0; slot < SoldierEntity::kScriptSlots; ++slot)
            target->GetScriptSlot(slot).Reset(); // it stands where it is hit, not fighting back
    }

    // The bow in the hand, its arrows in the backpack: shots until one hits.
    CreatureInventory& pack = Creature::Of(player)->GetData().GetInventory();
    const auto item = [&](const char* name) {
        ItemEntity* made = nullptr;
        EXPECT_TRUE(Entity::AsItem(m_manager->CreateEntity(0, 0, 0, Entity::kTypeItem), &made) &&
                    made->LoadByName(name));
        return made;
    };
    ItemEntity *arrows = item("arrows"), *held = nullptr;
    arrows->SetStackSize(20);
    pack.SetCurrentHand(CreatureInventory::kFirstHand + 1);
    ASSERT_TRUE(pack.AddToCurrentHand(item("bow"), held) && pack.AddItem(arrows, held));
    bool flew = false;
    EXPECT_TRUE(RunUntil(
        3000, [&] { return scientist->GetCreature()->GetHitPoints() < 100.0f; },
        [&] {
            flew = flew || m_manager->IsSlotUsed(Entity::kTypeProjectile, 0);
            if (!player->HasPending())
                player->OnEvent(SoldierEntity::kEventAttack, scientist, 0, 0);
        }));
    EXPECT_TRUE(flew);
    EXPECT_EQ(bystander->GetCreature()->GetHitPoints(), 100.0f);

    // The fireball, cast between the two: each is burnt as the ring flies and once more in
    // its one pulse, and the caster is left alone.
    const SpellMgr& spells = Creature::Of(player)->GetData().GetSpellMgr();
    const int ready = spells.CountCharges(2213, true);
    ASSERT_GT(ready, 0) << "the player knows it";
    const Vector between = (scientist->GetPosition() + bystander->GetPosition()) / 2.0f;
    RunUntil(60, [&] { return !player->HasPending(); });
    player->OnEvent(SoldierEntity::kEventCastAtPoint, 2213, &between, 1);
    std::map<SoldierEntity*, std::vector<float>> burns;
    EXPECT_TRUE(RunUntil(
        600, [&] { return burns[scientist].size() > 1 && m_explosions.CountRunning() == 0; },
        [&] {
            for (SoldierEntity* creature : {scientist, bystander}) {
                std::vector<float>& seen = burns[creature];
                const float now = creature->GetCreature()->GetHitPoints();
                if (seen.empty() || now < seen.back())
                    seen.push_back(now);
            }
        }));
    EXPECT_EQ(burns[scientist].size(), 3u) << "its hit points before and after each burn";
    EXPECT_EQ(burns[bystander].size(), 3u);
    EXPECT_EQ(spells.CountCharges(2213, true), ready - 1);

    // A grenade thrown at the scientist bursts into a fire ring, which ends it: released
    // once, and never another item that took a slot while the fire burnt.
    pack.SetCurrentHand(CreatureInventory::kFirstHand + 2);
    ItemEntity* grenade = item("grenade");
    ASSERT_TRUE(pack.AddToCurrentHand(grenade, held));
    player->OnEvent(SoldierEntity::kEventAttack, scientist, 0, 0);
    ASSERT_TRUE(RunUntil(300, [&] { return m_explosions.CountRunning() > 0; }));
    ItemEntity* gold = item("gold");
    EXPECT_TRUE(RunUntil(300, [&] { return m_explosions.CountRunning() == 0; }));
    EXPECT_FALSE(m_manager->IsLive(grenade));
    EXPECT_TRUE(m_manager->IsLive(gold));
}

} // namespace
