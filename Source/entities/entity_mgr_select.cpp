// Selecting a pool's entities for a query, and picking the entity at a point.
#include "Source/entities/entity_mgr.h"

#include "Library/geometry/circle_tests.h"
#include "Source/entities/entity_filters.h"
#include "Source/entities/entity_pickers.h"
#include "Source/entities/entity_pool.h"
#include "Source/entities/map_object.h"
#include "Source/entities/soldier_cells.h"

namespace {

// Pools compared together for picking, in visiting order: later pools win ties.
constexpr int kPickGroups[][4] = {
    {Entity::kTypeItem, -1, -1, -1},
    {Entity::kTypeSoldier, -1, -1, -1},
    {Entity::kTypeDoor, Entity::kTypeBinary, Entity::kTypeContainerMap, Entity::kTypeTrigger},
    {Entity::kTypeBase, Entity::kTypeCycle, Entity::kTypeTown, -1},
};

float Depth(const Entity& entity) {
    return entity.GetPosition().y;
}

// Later candidates win ties, so the one visited last among equals is in front.
void KeepFrontMost(Entity& candidate, Entity*& best) {
    if (best == nullptr || Depth(candidate) >= Depth(*best))
        best = &candidate;
}

MapObject* MapObjectOf(Entity& entity) {
    MapObject* mapObject = nullptr;
    return Entity::GetMapObject(&entity, &mapObject) ? mapObject : nullptr;
}

} // namespace

bool EntityMgr::GetPool(int type, EntityPtrList*& out) {
    EntityPtrList* pool = GetPoolToSelect(type);
    if (pool == nullptr)
        return false;
    SelectAll(*pool);
    out = pool;
    return true;
}

// The soldier cells no longer know which soldiers are selected.
EntityPtrList* EntityMgr::GetPoolToSelect(int type) {
    if (type == Entity::kTypeSoldier)
        m_soldierCells->Forget();
    return PoolOfType(type);
}

bool EntityMgr::GetPoolInArea(const Vector& point, float size, EntityPtrList*& out) {
    out = PoolOfType(Entity::kTypeSoldier);
    return SelectSoldiersInArea(point, size, m_inArea);
}

bool EntityMgr::SelectSoldiersInArea(const Vector& point, float size,
                                     std::vector<Entity*>& selected) {
    selected.clear();
    SoldierCells& cells = *m_soldierCells;
    cells.DeselectAll();
    cells.ForEachNear(point, point, size, [&](Entity& soldier) {
        if (!soldier.IsDeadSoldier() && PointNearCircle(point, size, soldier)) {
            cells.Select(soldier);
            selected.push_back(&soldier);
        }
    });
    return !selected.empty();
}

const EntityPtrList& EntityMgr::SelectOtherLivingSoldiers(Entity* a, Entity* b) {
    m_soldierCells->SelectLivingBut(a, b);
    DeselectEntity(a);
    DeselectEntity(b);
    return *PoolOfType(Entity::kTypeSoldier);
}

bool EntityMgr::SelectInCone(int type, Entity* exclude, const Vector& origin, Entity* include,
                             const Vector& heading, float size, double angle, EntityPtrList*& out) {
    EntityPtrList* list = nullptr;
    if (!(size > 0.0f) || !(angle > 0.0) || !GetPool(type, list))
        return false;
    DeselectEntity(exclude);
    DeselectOutsideArea(origin, size, *list);
    DeselectOutsideShape(origin, heading, size, angle, *list);
    if (include != nullptr)
        include->AddFlags(Entity::kFlagCandidate);
    out = list;
    return true;
}

bool EntityMgr::FindOnLine(int type, Entity* exclude, const Vector& from, const Vector& to,
                           Entity* include, float& length, EntityPtrList*& out) {
    const float distance = std::sqrt(DistanceSquared2d(from, to));
    EntityPtrList* list = nullptr;
    if (!(distance > 0.0f) || !GetPool(type, list))
        return false;
    DeselectEntity(exclude);
    DeselectOutsideArea(from, distance, *list);
    CountEntitiesOnLine(from, to, 0.0f, *list);
    if (include != nullptr)
        include->AddFlags(Entity::kFlagCandidate);
    length = distance;
    out = list;
    return true;
}

bool EntityMgr::SelectInRadius(int type, const Vector& centre, float radius, EntityPtrList*& out) {
    EntityPtrList* list = nullptr;
    if (!(radius > 0.0f) || !GetPool(type, list))
        return false;
    if (!IsZoneType(type)) {
        DeselectOutsideArea(centre, radius, *list);
    } else {
        list->ForEachSelected([&](Entity& entity) {
            const MapObject* mapObject = MapObjectOf(entity);
            Vector nearest;
            if (mapObject == nullptr || !mapObject->NearestZonePoint(centre, nearest) ||
                !WithinDistance(nearest, radius, centre))
                entity.RemoveFlags(Entity::kFlagCandidate);
        });
    }
    out = list;
    return true;
}

bool EntityMgr::IsZoneType(int type) {
    return type == Entity::kTypeDoor || type == Entity::kTypeContainerMap ||
           type == Entity::kTypeTrigger;
}

Entity* EntityMgr::FindMapObjectAt(int type, uint32_t kind, const Vector& point) {
    const EntityPool* pool = IsZoneType(type) ? PoolOfType(type) : nullptr;
    if (pool == nullptr)
        return nullptr;
    for (int slot = 0; slot < pool->GetSlotCount(); ++slot) {
        const MapObject* mapObject = pool->IsUsed(slot) ? MapObjectOf(*pool->GetAt(slot)) : nullptr;
        if (mapObject != nullptr && mapObject->GetKind() == kind && mapObject->ZoneContains(point))
            return pool->GetAt(slot);
    }
    return nullptr;
}

void EntityMgr::PickFrontMost(const EntityPool& pool, Entity*& best) {
    pool.ForEachUsed([&](Entity& entity) {
        if (!entity.IsHidden() && entity.HasAnyFlag(Entity::kFlagMouseOver))
            KeepFrontMost(entity, best);
    });
}

// Items come before soldiers and soldiers before the rest, whoever is in front.
// Projectiles are never picked.
Entity* EntityMgr::FindEntityAt(int x, int y) {
    m_pickX = x;
    m_pickY = y;
    for (const auto& group : kPickGroups) {
        Entity* best = nullptr;
        for (int type : group)
            if (type >= 0)
                PickFrontMost(*PoolOfType(type), best);
        if (best != nullptr)
            return best;
    }
    return nullptr;
}

Entity* EntityMgr::FindEntityOfTypeAt(int type, int x, int y) {
    m_pickX = x;
    m_pickY = y;
    const EntityPool* pool = PoolOfType(type);
    Entity* best = nullptr;
    if (pool != nullptr)
        pool->ForEachUsed([&](Entity& entity) {
            if (!entity.IsHidden() && entity.HitTest(x, y))
                KeepFrontMost(entity, best);
        });
    return best;
}

Entity* EntityMgr::FindTriggerAt(uint32_t kind, int x, int y) {
    const EntityPool* pool = PoolOfType(Entity::kTypeTrigger);
    for (int slot = 0; slot < pool->GetSlotCount(); ++slot) {
        Entity* trigger = pool->IsUsed(slot) ? pool->GetAt(slot) : nullptr;
        const MapObject* mapObject = trigger ? MapObjectOf(*trigger) : nullptr;
        if (mapObject != nullptr && mapObject->GetKind() == kind && trigger->HitTest(x, y))
            return trigger;
    }
    return nullptr;
}
