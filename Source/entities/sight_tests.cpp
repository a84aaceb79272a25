#include "Source/entities/sight_tests.h"

#include "Library/geometry/circle_tests.h"
#include "Library/world/tile_grid.h"
#include "Library/world/tile_map.h"
#include "Source/entities/creature_parts.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/view_transform.h"

namespace {

CreatureParts* CreatureOf(const Entity& entity) {
    return entity.GetType() == Entity::kTypeSoldier
               ? static_cast<const SoldierEntity&>(entity).GetCreature()
               : nullptr;
}

// The test of the eight steps (dx, dy) around a place, one step away in x and/or y.
template <class Test> bool AnyNeighbour(Test test) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if ((dx != 0 || dy != 0) && test(dx, dy))
                return true;
    return false;
}

} // namespace

float SightRangeOf(const Entity& creature) {
    const CreatureParts* parts = CreatureOf(creature);
    return parts ? parts->GetSightRange() : kSightRange;
}

bool IsInSightRange(const Entity& creature, const Entity& entity) {
    return CirclesOverlapMargin(creature, SightRangeOf(creature), entity);
}

bool IsInSightRangeEx(const Entity& creature, const Entity& entity) {
    return CircleNearPoint(creature, SightRangeOf(creature), entity.GetPosition());
}

bool IsPointPassable(const TileMap* map, const Vector& point) {
    return map != nullptr && map->IsWalkable(static_cast<int>(point.x), static_cast<int>(point.y));
}

bool CanSeeEntity(const Entity& viewer, const Entity& target, const TileMap* map) {
    const CreatureParts* eyes = CreatureOf(viewer);
    if (eyes == nullptr)
        return false;
    const Vector& point = target.GetPosition();
    if (eyes->CanSee(point))
        return true;
    if (map == nullptr ||
        !map->IsWalkableType(static_cast<int>(point.x), static_cast<int>(point.y)))
        return false;
    return AnyNeighbour(
        [&](int dx, int dy) { return eyes->CanSee(Vector(point.x + dx, point.y + dy, point.z)); });
}

// Asked for every creature every frame: the cells are read straight from the grid.
bool IsCellOrNeighbourSet(const TileMap& map, int x, int y) {
    const TileGrid& grid = map.GetGrid();
    const auto inView = [&grid](int cellX, int cellY) {
        const TileRecord* cell = grid.Find(cellX, cellY);
        return cell != nullptr && cell->Has(TileRecord::kInView);
    };
    if (inView(x, y))
        return true;
    const TileRecord* cell = grid.Find(x, y);
    if (cell == nullptr || !cell->IsWalkableType())
        return false;
    if (x > 0 && y > 0 && x + 1 < grid.GetWidth() && y + 1 < grid.GetHeight()) {
        // Inside the edge, the three rows need no bounds test.
        for (int row = y - 1; row <= y + 1; ++row) {
            const TileRecord* left = &grid.At(x - 1, row);
            if (left[0].Has(TileRecord::kInView) || left[1].Has(TileRecord::kInView) ||
                left[2].Has(TileRecord::kInView))
                return true;
        }
        return false;
    }
    return AnyNeighbour([&](int dx, int dy) { return inView(x + dx, y + dy); });
}

bool SeeAndRememberTarget(Entity& viewer, const Entity* target, const TileMap* map) {
    if (target == nullptr || target == &viewer || !CanSeeEntity(viewer, *target, map))
        return false;
    if (target->GetType() == Entity::kTypeSoldier)
        CreatureOf(viewer)->RecordSeen(target->GetRef());
    return true;
}

bool IsOtherEntityLive(const EntityMgr& manager, const Entity* self, const Entity* other,
                       int kind) {
    if (other == nullptr || other == self)
        return false;
    if (kind == 0)
        return manager.IsItemLive(other);
    if (kind == 2)
        return manager.IsSoldierLive(other);
    return false;
}

bool FindTownAt(EntityMgr& manager, const Vector& point, Entity*& out) {
    int x = 0;
    int y = 0;
    WorldToScreen(point, x, y);
    Entity* town = manager.FindEntityOfTypeAt(Entity::kTypeTown, x, y);
    if (town == nullptr)
        return false;
    out = town;
    return true;
}
