// The entities on the tile map, their drawing by pool, and the region's grid tables.
#include "Source/entities/entity_mgr.h"

#include "Library/core/maths.h"
#include "Library/world/tile_map.h"
#include "Source/entities/entity_pool.h"
#include "Source/entities/map_object.h"

#include <cmath>

namespace {

// The table cell of a world point: the map cut into as many columns and rows as the table
// has, counted from 1. False without a map or outside it.
bool TableCell(const TileMap* map, const TwoDimArray& table, const Vector& point, int& row,
               int& column) {
    if (map == nullptr || map->GetWidth() <= 0 || map->GetHeight() <= 0)
        return false;
    const float across = point.x / map->GetWidth() * table.GetColumns();
    const float down = point.y / map->GetHeight() * table.GetRows();
    column = ToIntWithin(std::floor(across), -1, table.GetColumns()) + 1;
    row = ToIntWithin(std::floor(down), -1, table.GetRows()) + 1;
    return true;
}

} // namespace

void EntityMgr::RegisterWithTileMap() {
    for (int index = 0; index < kPoolCount; ++index)
        AddAllToTileMapPool(TypeOfPool(index));
}

// Map-object owners stand on the map through their zones, and are drawn by pool.
void EntityMgr::AddAllToTileMapPool(int type) {
    const EntityPool* pool = PoolOfType(type);
    if (m_tileMap == nullptr || pool == nullptr || IsZoneType(type))
        return;
    pool->ForEachUsed([&](Entity& entity) {
        if (entity.IsHidden())
            return;
        if (type == Entity::kTypeSoldier && !entity.HasAnyFlag(Entity::kFlagAlive))
            m_tileMap->AddObjectToExtraList(&entity);
        else
            m_tileMap->AddObject(&entity);
    });
}

void EntityMgr::DrawType(int type, Screen& screen) {
    const EntityPool* pool = type != Entity::kTypeCycle ? PoolOfType(type) : nullptr;
    if (pool == nullptr)
        return;
    pool->ForEachUsed([&](Entity& entity) {
        if (!entity.IsHidden())
            entity.Draw(screen);
    });
}

void EntityMgr::DrawTriggers(uint32_t kind, Screen& screen) {
    PoolOfType(Entity::kTypeTrigger)->ForEachUsed([&](Entity& trigger) {
        MapObject* mapObject = nullptr;
        if (Entity::GetMapObject(&trigger, &mapObject) && mapObject->GetKind() == kind)
            trigger.Draw(screen);
    });
}

void EntityMgr::DrawRings(Screen& screen) {
    m_ringList.ForEachUsed([&](Entity& entity) {
        const float radius = entity.GetRadius();
        if (radius > 0.0f && radius < Entity::kRingLimit)
            entity.DrawRing(static_cast<int>(radius), static_cast<int>(radius / 2.0f), screen);
    });
}

bool EntityMgr::GetTableValueA(const Vector& point, int& out) const {
    int row = 0;
    int column = 0;
    return TableCell(m_tileMap, m_gridTableA, point, row, column) &&
           m_gridTableA.GetIntAt(row, column, out);
}

bool EntityMgr::GetTableValueB(const Vector& point, Stringc& out) const {
    int row = 0;
    int column = 0;
    return TableCell(m_tileMap, m_gridTableB, point, row, column) &&
           m_gridTableB.GetCellAt(row, column, out);
}
