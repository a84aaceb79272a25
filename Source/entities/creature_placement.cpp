#include "Source/entities/creature_placement.h"

#include "Library/core/maths.h"
#include "Library/core/stringc.h"
#include "Library/geometry/directions.h"
#include "Library/world/tile_map.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/script_machine.h"
#include "Source/entities/script_machine_factory.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/soldier_planner.h"

#include <cstdio>
#include <limits>

namespace {

// A coordinate of the diagnostic, held within an int: a script's point may be NaN or far.
int AsInt(float value) {
    return ToIntWithin(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

TileMap* MapOf(const Entity& entity) {
    return entity.GetManager() ? entity.GetManager()->GetTileMap() : nullptr;
}

bool IsDeadSoldier(const Entity& entity) {
    return entity.GetType() == Entity::kTypeSoldier && !entity.HasAnyFlag(Entity::kFlagAlive);
}

} // namespace

bool AddEntityToMap(Entity& entity, const Vector& point) {
    TileMap* map = MapOf(entity);
    if (map == nullptr)
        return false;
    entity.SetPosition(point);
    return IsDeadSoldier(entity) ? map->AddObjectToExtraList(&entity) : map->AddObject(&entity);
}

bool RemoveEntityFromMap(Entity& entity) {
    TileMap* map = MapOf(entity);
    if (map == nullptr)
        return false;
    return IsDeadSoldier(entity) ? map->RemoveObjectFromExtraList(&entity)
                                 : map->RemoveObject(&entity);
}

// An entity that cannot go onto the map at the new spot goes back where it stood.
bool TeleportEntity(Entity& entity, const Vector& point) {
    SoldierPlanner* planner = entity.GetManager() ? entity.GetManager()->GetPlanner() : nullptr;
    Vector spot;
    if (planner == nullptr || !planner->FindPlacement(entity, point, spot))
        return false;
    const Vector old = entity.GetPosition();
    RemoveEntityFromMap(entity);
    if (AddEntityToMap(entity, spot))
        return true;
    AddEntityToMap(entity, old);
    return false;
}

SoldierEntity* CreateCreature(EntityMgr& manager, const Stringc& name, const Vector& destination,
                              int direction) {
    Stringc base(name);
    base.StripExtension();
    SoldierEntity* soldier = nullptr;
    if (!Entity::AsSoldier(manager.CreateEntity(0.0f, 0.0f, 0.0f, Entity::kTypeSoldier), &soldier))
        return nullptr;
    Vector spot;
    bool placed = soldier->LoadByName(base);
    if (placed && (manager.GetPlanner() == nullptr ||
                   !manager.GetPlanner()->FindPlacement(*soldier, destination, spot))) {
        std::fprintf(stderr, "CreateCreature: invalid dest (%d, %d)\n", AsInt(destination.x),
                     AsInt(destination.y));
        placed = false;
    }
    if (placed) {
        soldier->SetDirection(direction);
        placed = AddEntityToMap(*soldier, spot);
    }
    if (!placed) {
        manager.ReleaseEntity(soldier);
        return nullptr;
    }
    for (int slot = 0; slot < SoldierEntity::kEventSlots; ++slot)
        soldier->GetScriptSlot(slot).PostStartEvent();
    return soldier;
}

bool RunScriptOnce(const Stringc& name) {
    if (name.Length() == 0)
        return false;
    const std::unique_ptr<ScriptMachine> machine = GetScriptMachineFactory().Create(nullptr);
    if (!machine->LoadScript(CompiledScriptPath(name)))
        return false;
    machine->PostStartEvent();
    machine->Update(0);
    return true;
}

Vector GetPointByFacing(const Entity& entity, float distance) {
    const auto* facing = dynamic_cast<const QueuedEntity*>(&entity);
    Vector point = entity.GetPosition();
    if (facing != nullptr)
        PointAtAngle(entity.GetPosition(), distance, Dir8ToAngle(facing->GetDirection()), point);
    return point;
}
