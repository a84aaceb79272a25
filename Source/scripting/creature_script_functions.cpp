#include "Source/scripting/creature_script_functions.h"

#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"

#include <algorithm>

namespace {

enum CommandId : int {
    kCommandAttack = 3,
};

SoldierEntity* SoldierOf(Entity* entity) {
    SoldierEntity* soldier = nullptr;
    Entity::AsSoldier(entity, &soldier);
    return soldier;
}

// A creature that can still be fought: not dead and in a used slot of its manager.
bool IsLivingSoldier(const SoldierEntity& actor, Entity* target) {
    SoldierEntity* soldier = SoldierOf(target);
    const EntityMgr* manager = actor.GetManager();
    return soldier != nullptr && !soldier->IsDead() &&
           (manager == nullptr || manager->IsSoldierLive(soldier));
}

// The creature, when it may act on the target of an attack.
SoldierEntity* AttackerOf(Entity* entity, Entity* target) {
    SoldierEntity* soldier = SoldierOf(entity);
    if (target == nullptr || target == entity || soldier == nullptr ||
        !IsLivingSoldier(*soldier, target))
        return nullptr;
    return soldier;
}

} // namespace

bool ScriptCmdStop(Entity* entity) {
    SoldierEntity* soldier = SoldierOf(entity);
    if (soldier == nullptr)
        return false;
    soldier->StopMoving();
    soldier->ClearCommand();
    return true;
}

bool ScriptCmdSetFacing(Entity* entity, int32_t direction) {
    SoldierEntity* soldier = SoldierOf(entity);
    if (soldier == nullptr)
        return false;
    soldier->SetDirection(std::clamp(direction, 0, 7));
    return true;
}

bool ScriptCmdAttack(Entity* entity, Entity* target) {
    SoldierEntity* soldier = AttackerOf(entity, target);
    if (soldier == nullptr)
        return false;
    soldier->IssueCommand(kCommandAttack, target);
    return true;
}
