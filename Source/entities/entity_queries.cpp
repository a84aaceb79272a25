#include "Source/entities/entity_queries.h"

#include "Library/scripts/entity_ref.h"
#include "Library/world/tile_map.h"
#include "Source/entities/entity_filters.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/entity_pickers.h"
#include "Source/entities/sight_tests.h"

namespace {

// The type's pool selected, self deselected; null without the pool.
const EntityPtrList* Candidates(EntityMgr& manager, int type, Entity* self) {
    EntityPtrList* list = nullptr;
    if (!manager.GetPool(type, list))
        return nullptr;
    DeselectEntity(self);
    return list;
}

const EntityPtrList& Soldiers(EntityMgr& manager, Entity* self) {
    return *Candidates(manager, Entity::kTypeSoldier, self);
}

// Living soldiers on another side than self's, and not neutral.
const EntityPtrList& LivingEnemies(EntityMgr& manager, Entity& self) {
    const EntityPtrList& list = Soldiers(manager, &self);
    DeselectDeadSoldiers(list);
    DeselectSameSide(self.GetRef(), list);
    DeselectNeutral(list);
    return list;
}

// Living soldiers matching the reference.
const EntityPtrList& LivingMatches(EntityMgr& manager, Entity* self, const EntityRef& ref) {
    const EntityPtrList& list = Soldiers(manager, self);
    DeselectDeadSoldiers(list);
    DeselectNotMatchingRef(ref, list);
    return list;
}

// Living soldiers but the two ends, when the map's line between the points is clear; null
// otherwise.
const EntityPtrList* SoldiersBesideClearLine(EntityMgr& manager, const Vector& from,
                                             const Vector& to, Entity* fromEntity,
                                             Entity* toEntity) {
    const TileMap* map = manager.GetTileMap();
    if (map == nullptr || !map->WalkLineB(from, to))
        return nullptr;
    const EntityPtrList& list = Soldiers(manager, fromEntity);
    DeselectEntity(toEntity);
    DeselectDeadSoldiers(list);
    return &list;
}

} // namespace

bool FindFirstByRef(EntityMgr& manager, Entity* self, bool livingOnly, const EntityRef& ref,
                    Entity*& out) {
    const TileMap* map = manager.GetTileMap();
    const EntityPtrList& soldiers = Soldiers(manager, self);
    DeselectNotMatchingRef(ref, soldiers);
    if (livingOnly)
        DeselectDeadSoldiers(soldiers);
    DeselectOnHiddenCells(map, soldiers);
    DeselectFlag200(soldiers);
    if (GetFirstCandidate(soldiers, out))
        return true;
    const EntityPtrList& items = *Candidates(manager, Entity::kTypeItem, self);
    DeselectNotMatchingRef(ref, items);
    DeselectOnHiddenCells(map, items);
    DeselectFlag200(items);
    if (GetFirstCandidate(items, out))
        return true;
    for (int type : {Entity::kTypeTrigger, Entity::kTypeDoor}) {
        const EntityPtrList& list = *Candidates(manager, type, self);
        DeselectNotMatchingRef(ref, list);
        if (GetFirstCandidate(list, out))
            return true;
    }
    return false;
}

bool FindNearestByRef(EntityMgr& manager, Entity* self, const Vector& point, const EntityRef& ref,
                      Entity*& out) {
    const TileMap* map = manager.GetTileMap();
    const EntityPtrList& soldiers = Soldiers(manager, self);
    DeselectNotMatchingRef(ref, soldiers);
    DeselectDeadSoldiers(soldiers);
    DeselectOnHiddenCells(map, soldiers);
    DeselectHidden(soldiers);
    DeselectFlag200(soldiers);
    if (CountSelected(soldiers) > 0)
        return FindNearestCandidate(point, soldiers, out);
    const EntityPtrList& items = *Candidates(manager, Entity::kTypeItem, self);
    DeselectNotMatchingRef(ref, items);
    DeselectOnHiddenCells(map, items);
    DeselectHidden(items);
    DeselectFlag200(items);
    return FindNearestCandidate(point, items, out);
}

bool FindNearestEnemy(EntityMgr& manager, Entity* self, const Vector& point, Entity*& out) {
    if (self == nullptr || self->GetRef().IsNeutralSide())
        return false;
    return FindNearestCandidate(point, LivingEnemies(manager, *self), out);
}

bool FindWeakestByRef(EntityMgr& manager, Entity* self, const EntityRef& ref, Entity*& out) {
    return PickWeakest(LivingMatches(manager, self, ref), out);
}

bool FindStrongestByRef(EntityMgr& manager, Entity* self, const EntityRef& ref, Entity*& out) {
    return PickStrongest(LivingMatches(manager, self, ref), out);
}

bool FindMostWoundedByRef(EntityMgr& manager, Entity* self, const EntityRef& ref, Entity*& out) {
    return PickMostWounded(LivingMatches(manager, self, ref), out);
}

bool FindHealthiestByRef(EntityMgr& manager, Entity* self, const EntityRef& ref, Entity*& out) {
    return PickHealthiest(LivingMatches(manager, self, ref), out);
}

bool CanSeeAnyByRef(EntityMgr& manager, Entity& self, const EntityRef& ref) {
    const EntityPtrList& list = LivingMatches(manager, &self, ref);
    DeselectNotVisibleTo(self, manager.GetTileMap(), list);
    return CountSelected(list) > 0;
}

bool AreThreatsNearby(EntityMgr& manager, Entity& self) {
    const EntityPtrList& list = Soldiers(manager, &self);
    DeselectDeadSoldiers(list);
    DeselectSameSide(self.GetRef(), list);
    DeselectNotAwayOrNone(list);
    DeselectOutsideRadius(self, 2.0f * SightRangeOf(self), list);
    return CountSelected(list) > 0;
}

bool AreEnemiesOnMap(EntityMgr& manager, Entity& self) {
    return !self.GetRef().IsNeutralSide() && CountSelected(LivingEnemies(manager, self)) > 0;
}

bool AreEnemiesInSightRange(EntityMgr& manager, Entity& self) {
    if (self.GetRef().IsNeutralSide())
        return false;
    const EntityPtrList& list = LivingEnemies(manager, self);
    DeselectOutsideRadius(self, SightRangeOf(self), list);
    return CountSelected(list) > 0;
}

bool IsLineClearOfSoldiers(EntityMgr& manager, const Vector& from, const Vector& to, float margin,
                           Entity* fromEntity, Entity* toEntity) {
    const EntityPtrList* list = SoldiersBesideClearLine(manager, from, to, fromEntity, toEntity);
    return list != nullptr && CountEntitiesOnLine(from, to, margin, *list) == 0;
}

bool IsShapeClearOfSoldiers(EntityMgr& manager, const Vector& from, const Vector& to, float size,
                            double angle, Entity* fromEntity, Entity* toEntity) {
    const EntityPtrList* list = SoldiersBesideClearLine(manager, from, to, fromEntity, toEntity);
    return list != nullptr && DeselectOutsideShape(from, to - from, size, angle, *list) == 0;
}
