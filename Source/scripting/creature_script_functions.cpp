#include "Source/scripting/creature_script_functions.h"

#include "Library/geometry/directions.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/spell_ability.h"
#include "Source/creatures/spell_mgr.h"
#include "Source/entities/entity_filters.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/speech_bubble.h"
#include "Source/entities/way_point_mgr.h"
#include "Source/scripting/map_bounds.h"

#include <algorithm>

namespace {

// The commands of a creature's behaviour, by id.
enum CommandId : int {
    kCommandWait = 1,
    kCommandWander = 2,
    kCommandAttack = 3,
    kCommandAttackOneRound = 4,
    kCommandAttackReevaluate = 5,
    kCommandProtectTarget = 7,
    kCommandProtectPoint = 8,
    kCommandEvadeTarg = 9,
    kCommandEvadePt = 10,
    kCommandEscapeArea = 11,
    kCommandGoToDest = 12,
    kCommandGoToDestOffset = 13,
    kCommandGoToDestAndLeave = 14,
    kCommandGoToTarg = 15,
    kCommandGoToTargOffset = 16,
    kCommandFollowWayPoints = 17,
    kCommandCollectItemMap = 18,
    kCommandUseItemPoint = 20,
    kCommandUseItemTarg = 21,
    kCommandSpell = 22,
    kCommandSpellPoint = 23,
    kCommandSpellTarget = 24,
    kCommandOpenTarg = 25,
    kCommandGoToTargStartDialogue = 26,
};

SoldierEntity* SoldierOf(Entity* entity) {
    SoldierEntity* soldier = nullptr;
    Entity::AsSoldier(entity, &soldier);
    return soldier;
}

// The act done on the creature; false, doing nothing, for anything else.
template <class Act> bool OnSoldier(Entity* entity, Act act) {
    SoldierEntity* soldier = SoldierOf(entity);
    if (soldier == nullptr)
        return false;
    act(*soldier);
    return true;
}

// A creature that died takes no command: one would hold off its dying.
bool Issue(SoldierEntity* soldier, int id, const CommandArg& a = {}, const CommandArg& b = {},
           const CommandArg& c = {}, int flag = 0) {
    if (soldier == nullptr || !soldier->IsAlive())
        return false;
    soldier->IssueCommand(id, a, b, c, flag);
    return true;
}

// Another entity the creature may act on: one its manager holds.
bool IsUsableTarget(const SoldierEntity& soldier, const Entity* target) {
    const EntityMgr* manager = soldier.GetManager();
    return target != nullptr && target != &soldier && manager != nullptr && manager->IsLive(target);
}

// A creature that is not dead, in a used slot of the soldier's manager.
bool IsLivingSoldier(const SoldierEntity& soldier, Entity* other) {
    const SoldierEntity* creature = SoldierOf(other);
    const EntityMgr* manager = soldier.GetManager();
    return creature != nullptr && !creature->IsDead() && manager != nullptr &&
           manager->IsSoldierLive(creature);
}

// The creature, when it may fight the target.
SoldierEntity* FighterOf(Entity* entity, Entity* target) {
    SoldierEntity* soldier = SoldierOf(entity);
    if (soldier == nullptr || target == nullptr || target == entity ||
        !IsLivingSoldier(*soldier, target))
        return nullptr;
    return soldier;
}

SoldierEntity* WithTarget(Entity* entity, Entity* target) {
    SoldierEntity* soldier = SoldierOf(entity);
    return soldier != nullptr && IsUsableTarget(*soldier, target) ? soldier : nullptr;
}

ItemEntity* CarriedNamed(SoldierEntity* soldier, const Stringc& name) {
    Creature* creature = Creature::Of(soldier);
    ItemEntity* item = nullptr;
    if (creature != nullptr)
        creature->GetData().GetInventory().FindByName(name, item);
    return item;
}

// Every other living creature of the soldier's manager within its sight range, selected.
const EntityPtrList* SoldiersInSight(SoldierEntity& soldier) {
    EntityMgr* manager = soldier.GetManager();
    EntityPtrList* list = nullptr;
    if (manager == nullptr || !manager->GetPool(Entity::kTypeSoldier, list))
        return nullptr;
    DeselectEntity(&soldier);
    DeselectDeadSoldiers(*list);
    DeselectOutOfSightRange(soldier, *list);
    return list;
}

template <class Tell> bool TellSelected(const EntityPtrList* list, Tell tell) {
    if (list == nullptr)
        return false;
    list->ForEachSelected([&](Entity& entity) {
        if (Creature* creature = Creature::Of(&entity))
            tell(creature->GetTargets());
    });
    return true;
}

// The spell reaches the target at the point from the caster and, when a charge is to be
// used, the caster has one ready.
bool CanCast(SoldierEntity* soldier, const SpellAbility* spell, Entity* target, const Vector& point,
             uint8_t useCharge) {
    Creature* creature = Creature::Of(soldier);
    if (spell == nullptr || creature == nullptr ||
        !spell->InRange(soldier, soldier->GetPosition(), target, point))
        return false;
    return useCharge == 0 ||
           creature->GetData().GetSpellMgr().HasReadyCharge(static_cast<uint32_t>(spell->GetId()));
}

} // namespace

bool ScriptCmdGoToTarg(Entity* entity, Entity* target, float range) {
    return Issue(WithTarget(entity, target), kCommandGoToTarg, target, range);
}

bool ScriptCmdGoToDest(Entity* entity, const Vector& point) {
    return Issue(SoldierOf(entity), kCommandGoToDest, point);
}

bool ScriptCmdGoToTargOffset(Entity* entity, Entity* target, const Vector& offset) {
    return Issue(WithTarget(entity, target), kCommandGoToTargOffset, target, offset);
}

bool ScriptCmdGoToDestOffset(Entity* entity, const Vector& point, const Vector& offset) {
    return Issue(SoldierOf(entity), kCommandGoToDestOffset, point, offset);
}

bool ScriptCmdWander(Entity* entity) {
    return Issue(SoldierOf(entity), kCommandWander);
}

bool ScriptCmdEvadeTarg(Entity* entity, Entity* target, float seconds) {
    const SoldierEntity* fleeing = SoldierOf(target);
    if (fleeing != nullptr && fleeing->IsDead())
        return false;
    return Issue(WithTarget(entity, target), kCommandEvadeTarg, target, seconds);
}

bool ScriptCmdEvadePt(Entity* entity, const Vector& point, float seconds) {
    return Issue(SoldierOf(entity), kCommandEvadePt, point, seconds);
}

bool ScriptCmdGoToDestAndLeave(Entity* entity, const Vector& point) {
    return Issue(SoldierOf(entity), kCommandGoToDestAndLeave, point);
}

bool ScriptCmdEscapeArea(Entity* entity, uint8_t leave) {
    return ScriptCmdStop(entity) && Issue(SoldierOf(entity), kCommandEscapeArea, int{leave});
}

bool ScriptCmdFollowWayPoints(Entity* entity) {
    SoldierEntity* soldier = SoldierOf(entity);
    return soldier != nullptr && soldier->GetWayPointMgr().HasWayPoints() &&
           Issue(soldier, kCommandFollowWayPoints);
}

bool ScriptCmdAttack(Entity* entity, Entity* target) {
    return Issue(FighterOf(entity, target), kCommandAttack, target);
}

bool ScriptCmdAttackOneRound(Entity* entity, Entity* target) {
    return Issue(FighterOf(entity, target), kCommandAttackOneRound, target);
}

bool ScriptCmdAttackReevaluate(Entity* entity, Entity* target, float seconds) {
    return Issue(FighterOf(entity, target), kCommandAttackReevaluate, target, seconds);
}

bool ScriptCmdProtectTarget(Entity* entity, Entity* protectedOne) {
    SoldierEntity* soldier = WithTarget(entity, protectedOne);
    const SoldierEntity* protege = SoldierOf(protectedOne);
    if (protege == nullptr || protege->IsDead())
        return false;
    return Issue(soldier, kCommandProtectTarget, protectedOne);
}

bool ScriptCmdProtectPoint(Entity* entity, const Vector& point, float radius) {
    return Issue(SoldierOf(entity), kCommandProtectPoint, point, radius);
}

bool ScriptCmdGoToTargStartDialogue(Entity* entity, Entity* target, float distance) {
    if (!ScriptCmdFaceEntity(entity, target) || distance < 0.0f)
        return false;
    return Issue(SoldierOf(entity), kCommandGoToTargStartDialogue, target, distance);
}

bool ScriptCmdCollectItemMap(Entity* entity, Entity* item) {
    return Entity::AsItem(item) && Issue(SoldierOf(entity), kCommandCollectItemMap, item);
}

bool ScriptCmdUseItemPoint(Entity* entity, const Stringc& itemName, const Vector& point) {
    SoldierEntity* soldier = SoldierOf(entity);
    ItemEntity* item = CarriedNamed(soldier, itemName);
    return item != nullptr && Issue(soldier, kCommandUseItemPoint, item, point);
}

bool ScriptCmdUseItemTarg(Entity* entity, const Stringc& itemName, Entity* target) {
    SoldierEntity* soldier = SoldierOf(entity);
    ItemEntity* item = CarriedNamed(soldier, itemName);
    if (target == nullptr || item == nullptr || !soldier->GetManager() ||
        !soldier->GetManager()->IsLive(target))
        return false;
    return Issue(soldier, kCommandUseItemTarg, item, target);
}

bool ScriptCmdUseItemOnTarget(Entity* entity, Entity* item, Entity* target) {
    SoldierEntity* soldier = SoldierOf(entity);
    Creature* creature = Creature::Of(soldier);
    ItemEntity* carried = nullptr;
    if (target == nullptr || creature == nullptr || !Entity::AsItem(item, &carried) ||
        !creature->GetData().GetInventory().Contains(carried) || !soldier->GetManager() ||
        !soldier->GetManager()->IsLive(target))
        return false;
    return Issue(soldier, kCommandUseItemTarg, item, target);
}

bool ScriptCmdOpenTarg(Entity* entity, Entity* target, int32_t argument) {
    return Issue(WithTarget(entity, target), kCommandOpenTarg, target, argument);
}

bool ScriptCmdWait(Entity* entity, float seconds) {
    return Issue(SoldierOf(entity), kCommandWait, seconds);
}

bool ScriptCmdSpell(Entity* entity, SpellAbility* spell, uint8_t useCharge) {
    SoldierEntity* soldier = SoldierOf(entity);
    return soldier != nullptr &&
           CanCast(soldier, spell, nullptr, soldier->GetPosition(), useCharge) &&
           Issue(soldier, kCommandSpell, spell, int{useCharge});
}

bool ScriptCmdSpellTarget(Entity* entity, SpellAbility* spell, Entity* target, uint8_t useCharge) {
    SoldierEntity* soldier = SoldierOf(entity);
    if (soldier == nullptr || target == nullptr || soldier->GetManager() == nullptr ||
        !soldier->GetManager()->IsLive(target) ||
        !CanCast(soldier, spell, target, target->GetPosition(), useCharge))
        return false;
    return Issue(soldier, kCommandSpellTarget, spell, target, int{useCharge});
}

bool ScriptCmdSpellPoint(Entity* entity, SpellAbility* spell, Entity* target, const Vector& point,
                         uint8_t useCharge) {
    SoldierEntity* soldier = SoldierOf(entity);
    const TileMap* map =
        soldier && soldier->GetManager() ? soldier->GetManager()->GetTileMap() : nullptr;
    if (map == nullptr || !IsOnMap(*map, point) ||
        !CanCast(soldier, spell, target, point, useCharge))
        return false;
    return Issue(soldier, kCommandSpellPoint, spell, target, point, useCharge);
}

bool ScriptCmdStop(Entity* entity) {
    return OnSoldier(entity, [&](SoldierEntity& soldier) {
        soldier.StopMoving();
        soldier.ClearCommand();
    });
}

bool ScriptCmdIsCreature(Entity* entity) {
    return SoldierOf(entity) != nullptr;
}

bool ScriptCmdClearWayPoints(Entity* entity) {
    return OnSoldier(entity, [&](SoldierEntity& soldier) { soldier.GetWayPointMgr().Clear(); });
}

bool ScriptCmdAddWayPoint(Entity* entity, const Vector& point) {
    return OnSoldier(entity, [&](SoldierEntity& soldier) { soldier.GetWayPointMgr().Add(point); });
}

bool ScriptCmdSay(Entity* entity, const Stringc& text) {
    return OnSoldier(entity, [&](SoldierEntity& soldier) { soldier.GetSpeechBubble().Say(text); });
}

bool ScriptCmdSetFacing(Entity* entity, int32_t direction) {
    return OnSoldier(
        entity, [&](SoldierEntity& soldier) { soldier.SetDirection(std::clamp(direction, 0, 7)); });
}

bool ScriptCmdFaceEntity(Entity* entity, Entity* other) {
    SoldierEntity* soldier = WithTarget(entity, other);
    if (soldier == nullptr)
        return false;
    const Vector heading = other->GetPosition() - soldier->GetPosition();
    soldier->SetDirection(AngleToDir8(heading.Heading()));
    return true;
}

bool ScriptCmdHurt(Entity* entity, int32_t amount) {
    return OnSoldier(entity, [&](SoldierEntity& soldier) {
        soldier.OnEvent(SoldierEntity::kEventHit, amount, 0, static_cast<Entity*>(nullptr));
    });
}

bool ScriptCmdSetRunning(Entity* entity, bool running) {
    return OnSoldier(entity, [&](SoldierEntity& soldier) { soldier.SetRunning(running); });
}

bool ScriptCmdCheckTarget(Entity* entity, Entity* target) {
    return WithTarget(entity, target) != nullptr;
}

bool ScriptCmdLearnSpell(Entity* entity, uint32_t id, uint32_t level, int32_t charges,
                         int32_t ready) {
    Creature* creature = Creature::Of(entity);
    return creature != nullptr &&
           creature->GetData().GetSpellMgr().Learn(id, level, charges, ready);
}

bool ScriptCmdForgetSpell(Entity* entity, uint32_t id) {
    Creature* creature = Creature::Of(entity);
    if (creature == nullptr)
        return false;
    creature->GetData().GetSpellMgr().Forget(id);
    return true;
}

bool ScriptCmdNotifySameRef(Entity* entity, const EntityRef& pattern, int32_t value) {
    SoldierEntity* soldier = SoldierOf(entity);
    const EntityPtrList* list = soldier ? SoldiersInSight(*soldier) : nullptr;
    if (list != nullptr)
        DeselectNotMatchingRef(pattern, *list);
    return TellSelected(list,
                        [&](CreatureTargets& targets) { targets.SetSignal9(pattern, value); });
}

bool ScriptCmdNotifyNearby(Entity* entity, int32_t value) {
    SoldierEntity* soldier = SoldierOf(entity);
    return TellSelected(
        soldier ? SoldiersInSight(*soldier) : nullptr,
        [&](CreatureTargets& targets) { targets.SetSignal10(soldier->GetRef(), value); });
}

bool ScriptCmdNotifyNearbyOfSelf(Entity* entity) {
    SoldierEntity* soldier = SoldierOf(entity);
    return TellSelected(soldier ? SoldiersInSight(*soldier) : nullptr,
                        [&](CreatureTargets& targets) { targets.SetSignal11(soldier->GetRef()); });
}

bool ScriptCmdNotifyMatching(EntityMgr& manager, const EntityRef& pattern, int32_t value) {
    EntityPtrList* list = nullptr;
    if (!manager.GetPool(Entity::kTypeSoldier, list))
        return false;
    DeselectNotMatchingRef(pattern, *list);
    return TellSelected(list, [&](CreatureTargets& targets) { targets.SetSignalNumber(value); });
}
