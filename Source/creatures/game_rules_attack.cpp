// Attack resolution: the chance to hit, hit rolls, shots, damage, threshold and resistance,
// the attack preview and the tests of targets.
#include "Source/creatures/game_rules.h"

#include "Library/core/maths.h"
#include "Library/geometry/circle_tests.h"
#include "Library/world/random_source.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/ability_use.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_effects.h"
#include "Source/creatures/weapon_ability.h"
#include "Source/entities/soldier_entity.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr int kRangePenalty = 3;  // chance lost per whole unit beyond the range
constexpr float kPercent = 0.01f; // its single-precision value rounds some products down

int Doubled(int damage, bool critical) {
    return critical ? ClampToInt(2LL * damage) : damage;
}

bool IsRanged(int kind) {
    return kind >= kAttackRanged1 && kind <= kAttackRanged3;
}

bool IsMelee(int kind) {
    return kind == kAttackMelee4 || kind == kAttackMelee5;
}

} // namespace

int GameRules::ToHitChance(Entity* attacker, const AbilityUse& ability, Entity* target) {
    const Creature* creature = Creature::Of(attacker);
    if (creature == nullptr || target == nullptr)
        return 0;
    const CreatureData& data = creature->GetData();
    const int kind = ability.GetAttackKind();
    long long chance = data.GetSkill(kind);
    if (IsRanged(kind) || kind == kAttackThrown) {
        const float reach = IsRanged(kind) ? data.GetRangedReach() : data.GetThrowReach();
        const float beyond = CircleGap(*attacker, *target) - (reach + ability.GetRange());
        if (beyond > 0.0f)
            chance -=
                kRangePenalty * static_cast<long long>(ToIntWithin(std::floor(beyond), 0, INT_MAX));
    }
    if (const Creature* defender = Creature::Of(target))
        chance -= defender->GetData().GetArmourClass();
    return static_cast<int>(std::clamp<long long>(chance, 0, kMaxChance));
}

bool GameRules::HitRoll(Entity* attacker, const AbilityUse& ability, Entity* target,
                        AttackRoll& roll) {
    roll = AttackRoll();
    if (attacker == nullptr || target == nullptr)
        return false;
    if (!ability.RollsToHit() || ability.GetRadius() > 0.0f)
        return true;
    const Creature* creature = Creature::Of(attacker);
    if (creature == nullptr)
        return false;
    const int chance = ToHitChance(attacker, ability, target);
    const int percent = Random().Int(0, 100);
    if (percent >= kFirstFumble) {
        roll.fumble = true;
        return false;
    }
    if (percent > chance)
        return false;
    roll.critical = percent <= creature->GetData().GetCriticalChance();
    return true;
}

bool GameRules::RollShots(Entity* attacker, const AbilityUse& ability, Entity* target,
                          AttackRoll& roll, int& hits) {
    hits = 0;
    roll = AttackRoll();
    const Creature* creature = Creature::Of(attacker);
    if (creature == nullptr || target == nullptr || !creature->CanSee(target->GetPosition()))
        return false;
    for (int shot = 0; shot < ability.GetShots(); ++shot) {
        if (HitRoll(attacker, ability, target, roll))
            ++hits;
    }
    return hits > 0;
}

int GameRules::EffectDamageBonus(Entity* source, Entity* target) {
    Creature* creature = Creature::Of(source);
    return creature ? creature->GetEffects().SumDamageBonus(target) : 0;
}

int GameRules::WeaponDamage(Entity* source, const AbilityUse& ability, Entity* /*target*/,
                            bool critical) {
    long long damage = ability.RollDice();
    const Creature* creature = Creature::Of(source);
    if (creature != nullptr && IsMelee(ability.GetAttackKind()))
        damage += creature->GetData().GetMeleeDamage();
    return Doubled(ClampToInt(damage), critical);
}

int GameRules::WeaponDamage2(Entity* /*source*/, const AbilityUse& ability, Entity* /*target*/,
                             bool critical) {
    return Doubled(ability.AmmunitionDamage(), critical);
}

bool GameRules::DamageOneHit(Entity* /*attacker*/, const AbilityUse& ability, Entity* target,
                             const AttackRoll& roll, int& damage) {
    if (roll.fumble || target == nullptr)
        return false;
    Entity* source = ability.GetSource();
    // Rolled in this order: the weapon's dice before the ammunition's.
    const long long bonus = EffectDamageBonus(source, target);
    const long long weapon = WeaponDamage(source, ability, target, roll.critical);
    const long long ammunition = WeaponDamage2(source, ability, target, roll.critical);
    const int dealt = ApplyThresholdResistance(ClampToInt(bonus + weapon + ammunition),
                                               ability.GetDamageType(), target);
    if (dealt < 1)
        return false;
    damage = dealt;
    return true;
}

bool GameRules::DamageHits(Entity* /*attacker*/, const AbilityUse& ability, Entity* target,
                           int hits, const AttackRoll& roll, int& damage) {
    if (roll.fumble || hits < 1 || target == nullptr)
        return false;
    Entity* source = ability.GetSource();
    const long long bonus = EffectDamageBonus(source, target);
    long long raw = 0;
    for (int hit = 0; hit < hits; ++hit) {
        raw += WeaponDamage2(source, ability, target, roll.critical);
        raw += WeaponDamage(source, ability, target, roll.critical);
        raw += bonus;
    }
    const int dealt = ApplyThresholdResistance(ClampToInt(raw), ability.GetDamageType(), target);
    if (dealt < 1)
        return false;
    damage = dealt;
    return true;
}

bool GameRules::EvaluateAttack(Entity* attacker, WeaponAbility* weapon, Entity* target,
                               int& chance) {
    Creature* defender = Creature::Of(target);
    if (attacker == nullptr || weapon == nullptr || !weapon->RollsToHit() || target == attacker ||
        defender == nullptr || defender->GetSoldier().IsDead())
        return false;
    const AbilityUse& use = weapon->PrepareUse(*attacker, *target);
    CreatureEffects& effects = defender->GetEffects();
    effects.ApplyPreviewList(weapon->GetEffects(), true);
    chance = ToHitChance(attacker, use, target);
    effects.ApplyPreviewList(weapon->GetEffects(), false);
    return true;
}

int GameRules::ApplyThresholdResistance(int damage, uint32_t damageType, Entity* target) {
    Creature* creature = Creature::Of(target);
    const bool noResistance =
        creature && creature->GetEffects().HasEffect(kEffectNoResistance, damageType);
    const bool noThreshold =
        creature && creature->GetEffects().HasEffect(kEffectNoThreshold, damageType);
    const int resistance = noResistance ? 0 : EntityDamageResistance(target, damageType);
    const int threshold = noThreshold ? 0 : EntityDamageThreshold(target, damageType);
    const long long left = static_cast<long long>(damage) - threshold;
    const double resisted =
        static_cast<double>(resistance) * static_cast<double>(left) * static_cast<double>(kPercent);
    return ClampToInt(left - static_cast<long long>(std::floor(resisted)));
}

int GameRules::EntityDamageResistance(Entity* entity, uint32_t damageType) {
    const Creature* creature = Creature::Of(entity);
    return creature ? creature->GetData().GetDamageResistance(damageType) : 0;
}

int GameRules::EntityDamageThreshold(Entity* entity, uint32_t damageType) {
    const Creature* creature = Creature::Of(entity);
    return creature ? creature->GetData().GetDamageThreshold(damageType) : 0;
}

bool GameRules::ResistRoll(Entity* entity, uint32_t flag, int bonus) {
    const Creature* creature = Creature::Of(entity);
    return creature != nullptr && Chance(creature->GetData().GetOtherResistance(flag) + bonus);
}

bool GameRules::IsValidTarget(int targetType, Entity* entity, const Vector& point) {
    SoldierEntity* soldier = nullptr;
    switch (targetType) {
    case kTargetAny:
    case kTargetAnything:
        return true;
    case kTargetLiving:
        return Entity::AsSoldier(entity, &soldier) && !soldier->IsDead();
    case kTargetDead:
        return Entity::AsSoldier(entity, &soldier) && soldier->IsDead();
    case kTargetMapPoint:
        return g_tileMap != nullptr &&
               g_tileMap->IsWalkable(ToIntWithin(point.x, INT_MIN, INT_MAX),
                                     ToIntWithin(point.y, INT_MIN, INT_MAX));
    case kTargetMapObject:
        return Entity::GetMapObject(entity);
    default:
        return false;
    }
}

bool GameRules::InRange(Entity* caster, const Vector& casterPosition, int targetType, float range,
                        Entity* target, const Vector& targetPosition) {
    if (!IsValidTarget(targetType, target, targetPosition))
        return false;
    if (target != nullptr)
        return PointNearCircle(casterPosition, range, *target);
    if (caster != nullptr)
        return CircleNearPoint(*caster, range, targetPosition);
    return WithinDistance(casterPosition, range, targetPosition);
}
