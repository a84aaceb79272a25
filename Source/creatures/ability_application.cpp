#include "Source/creatures/ability_application.h"

#include "Library/geometry/circle_tests.h"
#include "Source/creatures/ability_data.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/effect_mgr.h"
#include "Source/creatures/game_rules.h"
#include "Source/entities/entity_filters.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/map_object.h"
#include "Source/entities/soldier_entity.h"

#include <algorithm>
#include <vector>

namespace {

enum TargetMode : int {
    kModeMapObjects = 0,
    kModeLiving = 2,
    kModeDead = 3,
    kModeLivingInRadius = 5,
    kLastRefusedMode = 6,
};
constexpr int kHitEvent = 19;

bool IsRefused(int mode) {
    return mode == 1 || mode == 4 || mode == kLastRefusedMode;
}

// The roll of one hit (shots 0) or of every shot left (a burst), and what it does.
void StrikeCreature(AbilityData& use, SoldierEntity& soldier, bool burst) {
    Creature* creature = Creature::Of(&soldier);
    if (creature == nullptr || (burst && use.GetShots() < 1))
        return;
    EffectMgr& effects = creature->GetData().GetEffectMgr();
    const EffectList* list = &use.GetEffects();
    Entity* user = use.GetSource();
    effects.ApplyEffectList(list, true);
    AttackRoll roll;
    int hits = 0;
    int damage = 0;
    if (burst) {
        GameRules::RollShots(user, use, &soldier, roll, hits);
        if (hits > 0)
            GameRules::DamageHits(user, use, &soldier, hits, roll, damage);
    } else if (GameRules::HitRoll(user, use, &soldier, roll)) {
        hits = 1;
        GameRules::DamageOneHit(user, use, &soldier, roll, damage);
    }
    effects.ApplyEffectList(list, false);
    if (burst)
        use.SetShots(use.GetShots() - hits);
    if (damage > 0)
        soldier.OnEvent(kHitEvent, damage, static_cast<int>(use.GetDamageType()), user);
    if (hits > 0)
        effects.ApplyItemEffects(user, list);
}

void UseSkills(const AbilityData& use, MapObject& mapObject) {
    Entity* user = use.GetSource();
    if (user == nullptr)
        return;
    use.GetEffects().ForEach([&](const Effect& effect) {
        if (effect.GetKind() == kEffectSkillUse)
            mapObject.UseSkill(*user, effect.GetParameterA(),
                               static_cast<int>(effect.GetParameterB()));
    });
}

void ApplyToEntity(AbilityData& use, Entity* entity, bool burst) {
    SoldierEntity* soldier = nullptr;
    MapObject* mapObject = nullptr;
    if (Entity::AsSoldier(entity, &soldier))
        StrikeCreature(use, *soldier, burst);
    else if (Entity::GetMapObject(entity, &mapObject))
        UseSkills(use, *mapObject);
}

// The selection is taken first: what a hit sets off may run queries of its own.
void ApplyToSelected(AbilityData& use, const EntityPtrList& list) {
    std::vector<Entity*> selected;
    list.ForEachSelected([&](Entity& entity) { selected.push_back(&entity); });
    for (Entity* entity : selected)
        ApplyToEntity(use, entity, false);
}

// Nearest the source first, ties to the earlier slot; every hit spends a shot. The selection
// is taken first, as a hit's script may select again from the same list.
void ApplyBurstToNearest(AbilityData& use, const EntityPtrList& list) {
    std::vector<Entity*> selected;
    list.ForEachSelected([&](Entity& entity) { selected.push_back(&entity); });
    const Vector& source = use.GetSourcePosition();
    std::stable_sort(selected.begin(), selected.end(), [&source](Entity* a, Entity* b) {
        return DistanceSquared2d(a->GetPosition(), source) <
               DistanceSquared2d(b->GetPosition(), source);
    });
    for (Entity* entity : selected) {
        DeselectEntity(entity);
        ApplyToEntity(use, entity, true);
    }
}

void KeepByLife(int mode, const EntityPtrList& list) {
    if (mode == kModeDead)
        DeselectLivingSoldiers(list);
    else
        DeselectDeadSoldiers(list);
}

} // namespace

bool ApplyAbilityToTarget(AbilityData& use, Entity* entity) {
    ApplyToEntity(use, entity, false);
    return true;
}

bool ApplyAbilityToTargetByMode(AbilityData& use) {
    const int mode = use.GetTargetType();
    if (mode != kModeLiving && mode != kModeDead)
        return mode > kLastRefusedMode;
    SoldierEntity* soldier = nullptr;
    if (Entity::AsSoldier(use.GetTarget(), &soldier) && soldier->IsDead() == (mode == kModeDead))
        ApplyToEntity(use, soldier, false);
    return true;
}

bool ApplyAbilityToNearestInArea(EntityMgr& entities, AbilityData& use) {
    const int mode = use.GetTargetType();
    if (mode != kModeLiving && mode != kModeDead)
        return mode > kLastRefusedMode;
    const Vector heading = VectorNormalized(use.GetTargetPosition() - use.GetSourcePosition());
    EntityPtrList* list = nullptr;
    if (!entities.SelectInCone(Entity::kTypeSoldier, use.GetSource(), use.GetSourcePosition(),
                               nullptr, heading, use.GetRange(), use.GetSpread(), list))
        return false;
    KeepByLife(mode, *list);
    ApplyBurstToNearest(use, *list);
    return true;
}

bool ApplyAbilityInRadius(EntityMgr& entities, AbilityData& use) {
    const int mode = use.GetTargetType();
    if (IsRefused(mode))
        return false;
    const Vector& centre = use.GetSourcePosition();
    EntityPtrList* list = nullptr;
    if (mode == kModeMapObjects) {
        for (int type : {Entity::kTypeTrigger, Entity::kTypeDoor, Entity::kTypeContainerMap})
            if (entities.SelectInRadius(type, centre, use.GetRadius(), list))
                ApplyToSelected(use, *list);
    } else if (mode == kModeLiving || mode == kModeDead || mode == kModeLivingInRadius) {
        if (entities.SelectInRadius(Entity::kTypeSoldier, centre, use.GetRadius(), list)) {
            KeepByLife(mode, *list);
            ApplyToSelected(use, *list);
        }
    }
    return true;
}
