#include "Source/entities/entity_filters.h"

#include "Library/core/maths.h"
#include "Library/geometry/circle_tests.h"
#include "Library/geometry/sector.h"
#include "Library/world/tile_map.h"
#include "Source/entities/sight_tests.h"

namespace {

template <class Test> void DeselectWhere(const EntityPtrList& list, Test test) {
    list.ForEachSelected([&](Entity& entity) {
        if (test(entity))
            entity.RemoveFlags(Entity::kFlagCandidate);
    });
}

} // namespace

void SelectAll(const EntityPtrList& list) {
    list.ForEachUsed([](Entity& entity) { entity.AddFlags(Entity::kFlagCandidate); });
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

void DeselectOnHiddenCells(const TileMap* map, const EntityPtrList& list) {
    DeselectWhere(list, [&](const Entity& entity) {
        const Vector& position = entity.GetPosition();
        return map == nullptr ||
               !map->IsWalkable(static_cast<int>(position.x), static_cast<int>(position.y));
    });
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

void DeselectEntity(Entity* entity) {
    if (entity != nullptr)
        entity->RemoveFlags(Entity::kFlagCandidate);
}

// A segment that starts inside an entry's circle touches it, though the ray leaves the
// circle beyond the segment's end.
int CountEntitiesOnLine(const Vector& from, const Vector& to, float margin,
                        const EntityPtrList& list) {
    const Vector direction = to - from;
    int count = 0;
    DeselectWhere(list, [&](const Entity& entity) {
        const float reach = entity.GetRadius() + margin;
        float t = -1.0f;
        const bool startsInside = (from - entity.GetPosition()).LengthSquared() <= reach * reach;
        const bool touched =
            startsInside ||
            (RaySphereIntersection(from, direction, entity.GetPosition(), reach, t) && t >= 0.0f &&
             t <= 1.0f);
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
