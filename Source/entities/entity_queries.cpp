#include "Source/entities/entity_queries.h"

#include "Library/scripts/entity_ref.h"
#include "Library/world/tile_map.h"
#include "Source/entities/entity_filters.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/entity_pickers.h"
#include "Source/entities/sight_tests.h"
#include "Source/entities/soldier_cells.h"
#include "Source/entities/soldier_names.h"

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

// The type's pool with each used entry selected exactly when the test passes, then self
// deselected: what selecting the pool, deselecting self and filtering leave, in one pass.
template <class Test>
const EntityPtrList* SelectWhere(EntityMgr& manager, int type, Entity* self, Test test) {
    const EntityPtrList* list = manager.GetPoolToSelect(type);
    if (list == nullptr)
        return nullptr;
    if (type == Entity::kTypeSoldier) {
        manager.GetSoldierCells().SelectWhere(test);
    } else {
        list->ForEachUsed([&](Entity& entity) {
            if (test(entity))
                entity.AddFlags(Entity::kFlagCandidate);
            else
                entity.RemoveFlags(Entity::kFlagCandidate);
        });
    }
    DeselectEntity(self);
    return list;
}

// The soldiers of the name, visited in slot order through the tests, the ones that pass
// selected and every other soldier deselected, as the whole pool's filters leave them.
template <class Test>
bool FirstNamedSoldier(EntityMgr& manager, Entity* self, const Stringc& name, Test test,
                       Entity*& out) {
    SoldierCells& cells = manager.GetSoldierCells();
    cells.DeselectAll();
    DeselectEntity(self);
    Entity* first = nullptr;
    for (const int slot : manager.GetSoldierNames().SlotsNamed(name)) {
        if (!manager.IsSlotUsed(Entity::kTypeSoldier, slot))
            continue;
        Entity& soldier = *manager.GetEntity(Entity::kTypeSoldier, slot);
        if (&soldier != self && test(soldier)) {
            cells.Select(soldier);
            first = first != nullptr ? first : &soldier;
        }
    }
    if (first == nullptr)
        return false;
    out = first;
    return true;
}

} // namespace

// A pattern that matches everyone, asked again with nothing changed, finds the soldier it
// found before and leaves the flags as they are.
bool FindFirstByRef(EntityMgr& manager, Entity* self, bool livingOnly, const EntityRef& ref,
                    Entity*& out) {
    const TileMap* map = manager.GetTileMap();
    SoldierCells& cells = manager.GetSoldierCells();
    const bool everyone = ref.MatchesEveryone();
    const bool recalled = everyone && self == nullptr && !livingOnly && map != nullptr;
    if (Entity* first = recalled ? cells.RecallSearchable(*map) : nullptr) {
        out = first;
        return true;
    }
    const auto matches = [&](const Entity& entity) {
        return everyone || ref.Matches(entity.GetRef());
    };
    const auto searchable = [&](const Entity& entity) {
        return matches(entity) && IsOnPassableCell(map, entity) &&
               !entity.HasAnyFlag(Entity::kFlagUnsearchable);
    };
    const auto soldierSearchable = [&](const Entity& soldier) {
        return (!livingOnly || !soldier.IsDeadSoldier()) && searchable(soldier);
    };
    if (ref.GetName().Length() > 0
            ? FirstNamedSoldier(manager, self, ref.GetName(), soldierSearchable, out)
            : GetFirstCandidate(
                  *SelectWhere(manager, Entity::kTypeSoldier, self, soldierSearchable), out)) {
        if (recalled)
            cells.RememberSearchable(*map, *out);
        return true;
    }
    if (GetFirstCandidate(*SelectWhere(manager, Entity::kTypeItem, self, searchable), out))
        return true;
    for (int type : {Entity::kTypeTrigger, Entity::kTypeDoor})
        if (GetFirstCandidate(*SelectWhere(manager, type, self, matches), out))
            return true;
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

// The soldiers' flags end as selecting the pool and deselecting the two ends, the dead
// and those off the line leave them; only the soldiers near the line are looked at.
bool IsLineClearOfSoldiers(EntityMgr& manager, const Vector& from, const Vector& to, float margin,
                           Entity* fromEntity, Entity* toEntity) {
    const TileMap* map = manager.GetTileMap();
    if (map == nullptr || !map->WalkLineB(from, to))
        return false;
    SoldierCells& cells = manager.GetSoldierCells();
    cells.DeselectAll();
    DeselectEntity(fromEntity);
    DeselectEntity(toEntity);
    const Vector direction = to - from;
    bool clear = true;
    cells.ForEachNearInAnyOrder(from, to, margin, [&](Entity& soldier) {
        if (&soldier != fromEntity && &soldier != toEntity && !soldier.IsDeadSoldier() &&
            SegmentTouches(from, direction, margin, soldier)) {
            cells.Select(soldier);
            clear = false;
        }
    });
    return clear;
}

bool IsShapeClearOfSoldiers(EntityMgr& manager, const Vector& from, const Vector& to, float size,
                            double angle, Entity* fromEntity, Entity* toEntity) {
    const EntityPtrList* list = SoldiersBesideClearLine(manager, from, to, fromEntity, toEntity);
    return list != nullptr && DeselectOutsideShape(from, to - from, size, angle, *list) == 0;
}
