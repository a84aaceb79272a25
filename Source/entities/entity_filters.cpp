#include "Source/entities/entity_filters.h"

#include "Library/core/maths.h"
#include "Library/geometry/circle_tests.h"
#include "Library/geometry/sector.h"
#include "Library/scripts/entity_ref.h"
#include "Library/world/tile_map.h"
#include "Source/entities/container_entity.h"
#include "Source/entities/gathered_entity_list.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/sight_tests.h"

#include <cmath>

namespace {

template <class Test> void DeselectWhere(const EntityPtrList& list, Test test) {
    list.ForEachSelected([&](Entity& entity) {
        if (test(entity))
            entity.RemoveFlags(Entity::kFlagCandidate);
    });
}

bool ListHolds(const EntityPtrList& list, const Entity* entity) {
    for (int slot = 0; slot < list.GetSlotCount(); ++slot)
        if (list.IsUsed(slot) && list.GetAt(slot) == entity)
            return true;
    return false;
}

} // namespace

void SelectAll(const EntityPtrList& list) {
    list.ForEachUsed([](Entity& entity) { entity.AddFlags(Entity::kFlagCandidate); });
}

void SelectAllItems(const ContainerEntity& inventory) {
    for (int index = 0; index < inventory.CountHeld(); ++index)
        inventory.GetItemAt(index)->AddFlags(Entity::kFlagCandidate);
}

void DeselectLivingSoldiers(const EntityPtrList& list) {
    DeselectWhere(list, [](const Entity& entity) {
        return entity.GetType() == Entity::kTypeSoldier && !entity.GetRef().IsDead();
    });
}

void DeselectDeadSoldiers(const EntityPtrList& list) {
    DeselectWhere(list, [](const Entity& entity) { return entity.IsDeadSoldier(); });
}

void DeselectHidden(const EntityPtrList& list) {
    DeselectWhere(list, [](const Entity& entity) { return entity.IsHidden(); });
}

void DeselectFlag200(const EntityPtrList& list) {
    DeselectWhere(
        list, [](const Entity& entity) { return entity.HasAnyFlag(Entity::kFlagUnsearchable); });
}

// A position too far for an int, or not a number, lies on no cell of any map.
bool IsOnPassableCell(const TileMap* map, const Entity& entity) {
    constexpr float kIntRange = 2147483520.0f; // the largest float below 2^31
    const Vector& position = entity.GetPosition();
    return map != nullptr && std::fabs(position.x) <= kIntRange &&
           std::fabs(position.y) <= kIntRange &&
           map->IsWalkable(static_cast<int>(position.x), static_cast<int>(position.y));
}

void DeselectOnHiddenCells(const TileMap* map, const EntityPtrList& list) {
    DeselectWhere(list, [&](const Entity& entity) { return !IsOnPassableCell(map, entity); });
}

void DeselectOutOfSightRange(const Entity& viewer, const EntityPtrList& list) {
    DeselectWhere(list, [&](const Entity& entity) { return !IsInSightRange(viewer, entity); });
}

void DeselectOutsideRadius(const Entity& object, float radius, const EntityPtrList& list) {
    DeselectWhere(
        list, [&](const Entity& entity) { return !CirclesOverlapMargin(object, radius, entity); });
}

void DeselectOutsideArea(const Vector& point, float margin, const EntityPtrList& list) {
    DeselectWhere(list,
                  [&](const Entity& entity) { return !PointNearCircle(point, margin, entity); });
}

void DeselectNotVisibleTo(const Entity& viewer, const TileMap* map, const EntityPtrList& list) {
    DeselectWhere(list, [&](const Entity& entity) { return !CanSeeEntity(viewer, entity, map); });
}

void DeselectSameSide(const EntityRef& ref, const EntityPtrList& list) {
    DeselectWhere(list, [&](const Entity& entity) { return entity.GetRef().IsSameSide(ref); });
}

void DeselectOpposedSide(const EntityRef& ref, const EntityPtrList& list) {
    DeselectWhere(list, [&](const Entity& entity) { return entity.GetRef().IsOpposedSide(ref); });
}

void DeselectNeutral(const EntityPtrList& list) {
    DeselectWhere(list, [](const Entity& entity) { return entity.GetRef().IsNeutralSide(); });
}

void DeselectNotAwayOrNone(const EntityPtrList& list) {
    DeselectWhere(list, [](const Entity& entity) { return !entity.GetRef().IsStateAwayOrNone(); });
}

void DeselectNotMatchingRef(const EntityRef& ref, const EntityPtrList& list) {
    DeselectWhere(list, [&](const Entity& entity) { return !ref.Matches(entity.GetRef()); });
}

void DeselectNotMatchingFields(uint32_t side, uint32_t lifeState, uint32_t match1, uint32_t match2,
                               uint32_t match3, uint32_t match4, uint32_t match5,
                               const EntityPtrList& list) {
    EntityRef pattern;
    pattern.Set(side, lifeState, match1, match2, match3, match4, match5);
    DeselectNotMatchingRef(pattern, list);
}

void DeselectNotMatchingName(const Stringc& name, const EntityPtrList& list) {
    EntityRef pattern;
    pattern.SetName(name);
    DeselectNotMatchingRef(pattern, list);
}

void DeselectInList(const EntityPtrList& list, const EntityPtrList& other) {
    DeselectWhere(list, [&](const Entity& entity) { return ListHolds(other, &entity); });
}

void DeselectInsideCircle(const Vector& point, float radius, const EntityPtrList& list) {
    DeselectWhere(
        list, [&](const Entity& entity) { return PointWithinCircleInner(entity, point, radius); });
}

bool AppendSelected(const EntityPtrList& list, GatheredEntityList& target) {
    bool any = false;
    list.ForEachSelected([&](Entity& entity) {
        any = true;
        if (!target.Holds(&entity))
            target.Add(&entity);
    });
    return any;
}

void DeselectEntity(Entity* entity) {
    if (entity != nullptr)
        entity->RemoveFlags(Entity::kFlagCandidate);
}

// A segment that starts inside an entry's circle touches it, though the ray leaves the
// circle beyond the segment's end.
bool SegmentTouches(const Vector& from, const Vector& direction, float margin,
                    const Entity& entity) {
    const float reach = entity.GetRadius() + margin;
    float t = -1.0f;
    return (from - entity.GetPosition()).LengthSquared() <= reach * reach ||
           (RaySphereIntersection(from, direction, entity.GetPosition(), reach, t) && t >= 0.0f &&
            t <= 1.0f);
}

int CountEntitiesOnLine(const Vector& from, const Vector& to, float margin,
                        const EntityPtrList& list) {
    const Vector direction = to - from;
    int count = 0;
    DeselectWhere(list, [&](const Entity& entity) {
        const bool touched = SegmentTouches(from, direction, margin, entity);
        count += touched;
        return !touched;
    });
    return count;
}

int DeselectOutsideShape(const Vector& origin, const Vector& heading, float size, double angle,
                         const EntityPtrList& list) {
    Sector sector;
    sector.Set(origin, heading.Heading(), size, angle);
    int count = 0;
    DeselectWhere(list, [&](const Entity& entity) {
        const bool inside = sector.Contains(entity.GetPosition());
        count += inside;
        return !inside;
    });
    return count;
}

int CountNearWithClearLine(const TileMap& map, const Vector& point, float margin,
                           const EntityPtrList& list) {
    int count = 0;
    DeselectWhere(list, [&](const Entity& entity) {
        const bool reached =
            PointNearCircle(point, margin, entity) && map.WalkLineB(point, entity.GetPosition());
        count += reached;
        return !reached;
    });
    return count;
}
