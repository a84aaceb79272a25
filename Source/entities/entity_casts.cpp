// Entities as their classes, by the class's type code.
#include "Source/entities/entity.h"

#include "Library/files/mem_stream.h"
#include "Source/entities/binary_entity.h"
#include "Source/entities/container_map_entity.h"
#include "Source/entities/cycle_entity.h"
#include "Source/entities/door_entity.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/projectile_entity.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/town_entity.h"
#include "Source/entities/trigger_entity.h"

namespace {

template <class T> bool CastTo(Entity* entity, Entity::Type type, T** out) {
    if (entity == nullptr || entity->GetType() != type)
        return false;
    if (out != nullptr)
        *out = static_cast<T*>(entity);
    return true;
}

} // namespace

bool Entity::AsItem(Entity* entity, ItemEntity** out) {
    return CastTo(entity, kTypeItem, out);
}

bool Entity::AsSoldier(Entity* entity, SoldierEntity** out) {
    return CastTo(entity, kTypeSoldier, out);
}

bool Entity::AsProjectile(Entity* entity, ProjectileEntity** out) {
    return CastTo(entity, kTypeProjectile, out);
}

bool Entity::AsCycle(Entity* entity, CycleEntity** out) {
    return CastTo(entity, kTypeCycle, out);
}

bool Entity::AsBinary(Entity* entity, BinaryEntity** out) {
    return CastTo(entity, kTypeBinary, out);
}

bool Entity::AsDoor(Entity* entity, DoorEntity** out) {
    return CastTo(entity, kTypeDoor, out);
}

bool Entity::AsContainerMap(Entity* entity, ContainerMapEntity** out) {
    return CastTo(entity, kTypeContainerMap, out);
}

bool Entity::AsTrigger(Entity* entity, TriggerEntity** out) {
    return CastTo(entity, kTypeTrigger, out);
}

bool Entity::AsTown(Entity* entity, TownEntity** out) {
    return CastTo(entity, kTypeTown, out);
}

bool Entity::GetBinaryMapObject(Entity* entity, BinaryMapObject** out) {
    BinaryMapObject* mapObject = nullptr;
    if (DoorEntity* door = nullptr; AsDoor(entity, &door))
        mapObject = &door->GetMapObject();
    else if (ContainerMapEntity* chest = nullptr; AsContainerMap(entity, &chest))
        mapObject = &chest->GetMapObject();
    else
        return false;
    if (out != nullptr)
        *out = mapObject;
    return true;
}

bool Entity::GetMapObject(Entity* entity, MapObject** out) {
    MapObject* mapObject = nullptr;
    switch (entity ? entity->GetType() : kTypeBase) {
    case kTypeDoor:
        mapObject = &static_cast<DoorEntity*>(entity)->GetMapObject();
        break;
    case kTypeContainerMap:
        mapObject = &static_cast<ContainerMapEntity*>(entity)->GetMapObject();
        break;
    case kTypeTrigger:
        mapObject = &static_cast<TriggerEntity*>(entity)->GetMapObject();
        break;
    default:
        return false;
    }
    if (out != nullptr)
        *out = mapObject;
    return true;
}

bool Entity::SameName(const Entity* a, const Entity* b) {
    return a != nullptr && b != nullptr && a->GetTemplateName() == b->GetTemplateName();
}

bool Entity::CopyFrom(Entity& target, const Entity& source) {
    const Type type = source.GetType();
    if (&target == &source || target.GetType() != type || type == kTypeQueued ||
        type >= kTypeTrigger)
        return false;
    MemStream record(kStreamWriteBinary);
    if (!source.Save(record))
        return false;
    record.ReadBack();
    target.Init();
    if (!target.Load(record)) {
        target.Init(); // blank rather than half read
        return false;
    }
    target.SetTemplateName(source.GetTemplateName());
    if (type != kTypeBase)
        static_cast<QueuedEntity&>(target).SetOrderFlag(
            static_cast<const QueuedEntity&>(source).IsOrderFlagSet());
    return true;
}
