#include "Source/creatures/game_rules.h"

#include "Library/core/test_stream_support.h"
#include "Source/creatures/ability_use.h"
#include "Source/creatures/creature_effects.h"
#include "Source/creatures/weapon_ability.h"
#include "Source/entities/entity_fakes.h"
#include "Source/entities/town_entity.h"
#include "creature_world.h"
#include "scripted_random.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using testsupport::ScriptedRandom;

// An ability, and the weapon whose ability it is.
class FakeAbility : public AbilityUse, public WeaponAbility {
public:
    Entity* GetSource() const override { return source; }
    int GetAttackKind() const override { return kind; }
    bool RollsToHit() const override { return rolls; }
    float GetRadius() const override { return radius; }
    float GetRange() const override { return 5.0f; }
    int GetShots() const override { return shots; }
    uint32_t GetDamageType() const override { return kDamageNormal; }
    int RollDice() const override { return 5; }
    int AmmunitionDamage() const override { return 3; }
    const AbilityUse& PrepareUse(Entity&, Entity&) override { return *this; }
    const EffectList* GetEffects() const override { return nullptr; }

    Entity* source = nullptr;
    int kind = kAttackRanged1;
    bool rolls = true;
    float radius = 0.0f;
    int shots = 1;
};

// An attacker with skill 60 in every attack kind, critical chance 10, ranged reach 2, throw
// reach 1 and melee damage 2, and a target with armour class 4 three units east.
class AttackTest : public testsupport::CreatureWorld {
protected:
    void SetUp() override {
        CreatureWorld::SetUp();
        m_attacker = Soldier(10.5f, 10.5f, kPlayerSide);
        m_target = Soldier(13.5f, 10.5f);
        CreatureData& attacker = DataOf(m_attacker);
        for (int kind = kAttackPlain; kind <= kAttackThrown; ++kind)
            attacker.SetSkill(kind, kBase, 60);
        attacker.SetCriticalChance(kBase, 10);
        attacker.SetRangedReach(kBase, 2.0f);
        attacker.SetThrowReach(kBase, 1.0f);
        attacker.SetMeleeDamage(kBase, 2);
        DataOf(m_target).SetArmourClass(kBase, 4);
        m_ability.source = m_attacker;
    }
    int Chance() { return GameRules::ToHitChance(m_attacker, m_ability, m_target); }

    SoldierEntity* m_attacker = nullptr;
    SoldierEntity* m_target = nullptr;
    FakeAbility m_ability;
};

TEST_F(AttackTest, ThePercentRollFumblesMissesHitsOrHitsCritically) {
    struct Case {
        int skill;
        int percent; // -1: no roll
        bool hit, fumble, critical;
        bool rolls = true;
        float radius = 0.0f;
    };
    const Case cases[] = {
        {60, 0, true, false, true},         {60, 10, true, false, true},
        {60, 11, true, false, false},       {60, 56, true, false, false},
        {60, 57, false, false, false},      {60, 97, false, true, false},
        {60, 99, false, true, false},       {200, 95, true, false, false},
        {200, 96, false, false, false},     {-10, 0, true, false, true},
        {0, -1, true, false, false, false}, {0, -1, true, false, false, true, 1.5f},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(std::to_string(test.skill) + " " + std::to_string(test.percent));
        DataOf(m_attacker).SetSkill(kAttackRanged1, kBase, static_cast<int16_t>(test.skill));
        m_ability.rolls = test.rolls;
        m_ability.radius = test.radius;
        ScriptedRandom random(test.percent < 0 ? std::vector<int>{}
                                               : std::vector<int>{test.percent});
        AttackRoll roll{true, true};
        EXPECT_EQ(GameRules::HitRoll(m_attacker, m_ability, m_target, roll), test.hit);
        EXPECT_EQ(roll.fumble, test.fumble);
        EXPECT_EQ(roll.critical, test.critical);
        EXPECT_EQ(random.Left(), 0u);
    }
}

TEST_F(AttackTest, EachWholeUnitBeyondTheRangeCostsThreePoints) {
    EXPECT_EQ(Chance(), 60 - 4);                    // a gap of 2 between the circles, within 2 + 5
    m_target->SetPosition(Vector(21.0f, 10.5f, 0)); // 2.5 beyond
    EXPECT_EQ(Chance(), 60 - 6 - 4);
    m_ability.kind = kAttackThrown; // reach 1 + 5: 3.5 beyond
    EXPECT_EQ(Chance(), 60 - 9 - 4);
    m_ability.kind = kAttackMelee4; // no range at all
    EXPECT_EQ(Chance(), 60 - 4);
}

TEST_F(AttackTest, OnlyMeleeBlowsAddTheMeleeDamage) {
    for (int kind : {kAttackRanged1, kAttackThrown, kAttackMelee4, kAttackMelee5}) {
        m_ability.kind = kind;
        const bool melee = kind == kAttackMelee4 || kind == kAttackMelee5;
        EXPECT_EQ(GameRules::WeaponDamage(m_attacker, m_ability, m_target, false),
                  melee ? 5 + 2 : 5)
            << kind;
    }
}

TEST_F(AttackTest, ShotsNeedSightAndDamageGoesThroughThresholdAndResistance) {
    m_ability.shots = 3;
    ScriptedRandom random({5, 70, 97});
    AttackRoll roll;
    int hits = 0;
    EXPECT_TRUE(GameRules::RollShots(m_attacker, m_ability, m_target, roll, hits));
    EXPECT_EQ(hits, 1);
    EXPECT_TRUE(roll.fumble); // the last roll's
    int damage = -1;
    EXPECT_FALSE(GameRules::DamageOneHit(m_attacker, m_ability, m_target, roll, damage));
    EXPECT_FALSE(GameRules::DamageHits(m_attacker, m_ability, m_target, hits, roll, damage));
    EXPECT_EQ(damage, -1);
    m_target->SetPosition(Vector(40.5f, 10.5f, 0)); // beyond its sight: no roll
    EXPECT_FALSE(GameRules::RollShots(m_attacker, m_ability, m_target, roll, hits));

    CreatureData& target = DataOf(m_target);
    target.SetDamageThreshold(kDamageNormal, kBase, 4);
    target.SetDamageResistance(kDamageNormal, kBase, 25);
    EXPECT_EQ(GameRules::ApplyThresholdResistance(20, kDamageNormal, m_target), 13);
    target.SetDamageResistance(kDamageNormal, kBonus, 5);
    EXPECT_EQ(GameRules::ApplyThresholdResistance(20, kDamageNormal, m_target), 12);
    EXPECT_EQ(GameRules::ApplyThresholdResistance(3, kDamageNormal, m_target), 0);

    target.SetDamageThreshold(kDamageNormal, kBase, 0);
    target.SetDamageResistance(kDamageNormal, kBonus, 0);
    m_ability.kind = kAttackMelee4;
    // (5 + melee 2) x 2 + 3 x 2 = 20, of which 25 % resist 4.9999999, rounded down.
    ASSERT_TRUE(GameRules::DamageOneHit(m_attacker, m_ability, m_target, {false, true}, damage));
    EXPECT_EQ(damage, 16);
    // Three hits of 7 + 3 = 30, a quarter resisted once.
    ASSERT_TRUE(GameRules::DamageHits(m_attacker, m_ability, m_target, 3, {}, damage));
    EXPECT_EQ(damage, 23);
}

// A creature whose effects record the preview and, while it is on, add 10 armour class.
class PreviewedCreature : public Creature, public CreatureEffects {
public:
    explicit PreviewedCreature(SoldierEntity& soldier) : Creature(soldier) {}
    CreatureEffects& GetEffects() override { return *this; }
    bool HasEffect(int, uint32_t) const override { return false; }
    int SumDamageBonus(const Entity*) const override { return 0; }
    void ApplyPreviewList(const EffectList*, bool apply) override {
        previews.push_back(apply);
        GetData().AddArmourClass(kBonus, apply ? 10 : -10);
    }
    std::vector<bool> previews;
};

class PreviewedFactory : public SoldierPartsFactory {
public:
    std::unique_ptr<CreatureParts> CreateCreature(SoldierEntity& soldier) const override {
        return std::make_unique<PreviewedCreature>(soldier);
    }
};

TEST_F(AttackTest, ThePreviewPutsOnlyItsPreviewOnTheTargetAndTakesItOff) {
    const PreviewedFactory factory;
    SetSoldierPartsFactory(&factory);
    m_target = Soldier(13.5f, 10.5f);
    SetSoldierPartsFactory(nullptr);
    auto& previewed = dynamic_cast<PreviewedCreature&>(*m_target->GetCreature());
    previewed.GetData().SetArmourClass(kBase, 4);
    int chance = -1;
    ASSERT_TRUE(GameRules::EvaluateAttack(m_attacker, &m_ability, m_target, chance));
    EXPECT_EQ(chance, 60 - 14);
    EXPECT_EQ(previewed.previews, (std::vector<bool>{true, false}));
    EXPECT_EQ(previewed.GetData().GetArmourClass(), 4);

    EXPECT_FALSE(GameRules::EvaluateAttack(m_attacker, nullptr, m_target, chance));
    EXPECT_FALSE(GameRules::EvaluateAttack(m_target, &m_ability, m_target, chance));
    m_target->GetRef().Set(kHostileSide, EntityRef::kLifeDead, 0, 0, 0, 0, 0);
    EXPECT_FALSE(GameRules::EvaluateAttack(m_attacker, &m_ability, m_target, chance));
    EXPECT_EQ(previewed.previews.size(), 2u);
}

TEST_F(AttackTest, TargetsResistanceRollsAndRestingLookAtCreatures) {
    Entity* item = m_manager.CreateEntity(5, 5, 0, Entity::kTypeItem);
    SoldierEntity* dead = Soldier(30, 30);
    dead->GetRef().Set(kHostileSide, EntityRef::kLifeDead, 0, 0, 0, 0, 0);
    g_tileMap = &m_map;
    m_map.SetWalkable(2, 3, false);
    EXPECT_TRUE(GameRules::IsValidTarget(kTargetLiving, m_target, Vector()));
    EXPECT_FALSE(GameRules::IsValidTarget(kTargetLiving, dead, Vector()));
    EXPECT_FALSE(GameRules::IsValidTarget(kTargetDead, item, Vector()));
    EXPECT_TRUE(GameRules::IsValidTarget(kTargetMapPoint, nullptr, Vector(2.9f, 4.5f, 0)));
    EXPECT_FALSE(GameRules::IsValidTarget(kTargetMapPoint, nullptr, Vector(2.9f, 3.5f, 0)));
    EXPECT_FALSE(GameRules::IsValidTarget(kTargetMapObject, m_target, Vector()));
    g_tileMap = nullptr;

    ScriptedRandom random({35, 36});
    DataOf(m_target).SetOtherResistance(kResistPoison, kBase, 30);
    EXPECT_FALSE(GameRules::ResistRoll(item, kResistPoison, 5)); // no roll
    EXPECT_TRUE(GameRules::ResistRoll(m_target, kResistPoison, 5));
    EXPECT_FALSE(GameRules::ResistRoll(m_target, kResistPoison, 5));

    testsupport::FakeParty party;
    m_manager.SetParty(&party);
    party.members = {m_attacker, dead}; // the dead one has no hit points: healed
    CreatureData& member = DataOf(m_attacker);
    member.SetMaxHitPoints(30.0f);
    member.AddHitPoints(20.0f);
    member.SetHealingRate(kBase, 1);
    EXPECT_FALSE(GameRules::AllMembersHealed(m_manager));
    member.AddHitPoints(10.0f);
    EXPECT_TRUE(GameRules::AllMembersHealed(m_manager));
    m_manager.SetParty(nullptr);
}

// The region's tables cut the map into one cell: a percent of 50 and "Bandits".
TEST_F(AttackTest, TravelMeetsTheRegionsEncountersOnlyWhileActing) {
    const auto table = [](const char* value) {
        return TypedBytes().U32(2).U32(2).Text("0").Text("X").Text("1").Text(value).Get();
    };
    ASSERT_TRUE(ReadFrom(m_manager.GetGridTableA(), table("50")));
    ASSERT_TRUE(ReadFrom(m_manager.GetGridTableB(), table("Bandits")));
    GameRules rules;
    Stringc encounter;
    ScriptedRandom random({50, 51});
    EXPECT_FALSE(rules.TryWorldEncounter(m_attacker, 1000, encounter)); // standing still
    m_attacker->PushOrder(EntityOrder());
    ASSERT_TRUE(rules.TryWorldEncounter(m_attacker, 1000, encounter));
    EXPECT_STREQ(encounter.c_str(), "Bandits");
    EXPECT_FALSE(rules.TryWorldEncounter(m_attacker, 1, encounter)); // within the second
    EXPECT_FALSE(rules.TryWorldEncounter(m_attacker, 1000, encounter));
}

// A town 1.5 units away is found by a search of 50 against 0; one 20 units away is never tried.
TEST_F(AttackTest, TravelDiscoversNearbyTownsOnceASecondWhileActing) {
    DataOf(m_attacker).SetSkill(TownEntity::kSkillSearch, kBase, 50);
    TownEntity* towns[2] = {};
    const float xs[2] = {12.0f, 30.5f};
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(
            Entity::AsTown(m_manager.CreateEntity(xs[i], 10.5f, 0, Entity::kTypeTown), &towns[i]));
        towns[i]->SetDiscovery(false, true, 0);
    }
    GameRules rules;
    ScriptedRandom random({50});
    EXPECT_FALSE(rules.TryDiscoverTowns(m_attacker, 1000)); // standing still
    m_attacker->PushOrder(EntityOrder());
    EXPECT_FALSE(rules.TryDiscoverTowns(m_attacker, 1)); // within the second
    EXPECT_TRUE(rules.TryDiscoverTowns(m_attacker, 1000));
    EXPECT_TRUE(towns[0]->IsFound());
    EXPECT_FALSE(towns[1]->IsFound());
    EXPECT_FALSE(rules.TryDiscoverTowns(m_attacker, 1000)); // found before: nothing new
}

} // namespace
