#include "Source/entities/soldier_planner.h"

#include "Library/core/random.h"
#include "Library/geometry/circle_tests.h"
#include "Library/world/tile_map.h"
#include "Source/entities/cell_stamps.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_filters.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_cells.h"
#include "Source/entities/soldier_entity.h"

#include <cmath>

namespace {

constexpr float kDefaultExtra = 0.5f;
constexpr float kNonSoldierStep = 1.0f;

Entity* AsEntity(SteeringEntity& steering) {
    return dynamic_cast<Entity*>(&steering);
}

} // namespace

SoldierPlanner::SoldierPlanner(EntityMgr& manager, TileMap& map)
    : m_manager(manager), m_map(map), m_finder(map, *this) {}

float SoldierPlanner::PlacementStep(const Entity& a, const Entity* b, float extra) {
    return (extra == 0.0f ? kDefaultExtra : extra) + a.GetRadius() +
           (b != nullptr ? b->GetRadius() : 0.0f);
}

const EntityPtrList& SoldierPlanner::OtherLivingSoldiers(Entity* a, Entity* b) {
    return m_manager.SelectOtherLivingSoldiers(a, b);
}

// The others stamped onto the map's area flags would show the same: only those near the
// point can reach a cell of its circle, and only cells on the map hold a flag.
bool SoldierPlanner::IsPlaceOccupied(Entity& self, const Vector& point) {
    OtherLivingSoldiers(&self, nullptr);
    const float radius = self.GetRadius() * 0.5f;
    if (CircleTouchesAreaFlag(m_map, point, radius))
        return true;
    m_pointCells.StartRound(m_map.GetWidth(), m_map.GetHeight());
    bool any = false;
    ForEachCellTouched(point, radius, [&](int x, int y) { any = m_pointCells.Mark(x, y) || any; });
    if (!any)
        return false;
    bool occupied = false;
    m_manager.GetSoldierCells().ForEachNearInAnyOrder(
        point, point, radius + 1.0f, [&](Entity& other) {
            if (occupied || !other.IsCandidate())
                return;
            ForEachCellTouched(other.GetPosition(), other.GetRadius() * 0.5f, [&](int x, int y) {
                occupied = occupied || m_pointCells.IsMarked(x, y);
            });
        });
    return occupied;
}

bool SoldierPlanner::SearchRings(const Vector& centre, float first, float step,
                                 const Vector& reference, Vector& out) {
    for (int ring = 0; ring < kRingCount; ++ring)
        if (m_cells.Collect(centre, first + ring * step) &&
            m_cells.FindFreeSpot(m_map, reference, step, out))
            return true;
    return false;
}

bool SoldierPlanner::FindPlacement(Entity& entity, const Vector& destination, Vector& out) {
    out = destination;
    // A NaN would read as cell 0 and an infinity as the map's edge: no spot lies near either.
    if (!std::isfinite(destination.x) || !std::isfinite(destination.y))
        return false;
    if (entity.GetType() != Entity::kTypeSoldier)
        return SearchRings(destination, 0.0f, kNonSoldierStep, destination, out);
    if (!IsPlaceOccupied(entity, destination) && m_map.IsWalkableAt(destination))
        return true;
    CellStamps stamps(m_map, m_marks);
    stamps.StampImpassable(OtherLivingSoldiers(&entity, nullptr), nullptr);
    if (SearchRings(destination, 0.0f, PlacementStep(entity, nullptr, 0.0f), destination, out))
        return true;
    out = destination;
    return false;
}

bool SoldierPlanner::FindSpotOnRadii(Entity& creature, const Vector& centre, float nearDistance,
                                     float farDistance, Vector& out) {
    constexpr float kTwoPi = 6.28318530718f;
    const float heading = RandomFloat(0.0f, kTwoPi);
    const float size = creature.GetRadius();
    CellStamps stamps(m_map, m_marks);
    stamps.StampImpassable(OtherLivingSoldiers(&creature, nullptr), nullptr);
    bool found = false;
    for (float r = size + farDistance; r >= size + nearDistance; r -= 1.0f) {
        const Vector point = centre + Vector(r * std::cos(heading), r * std::sin(heading), 0.0f);
        Vector spot;
        if (m_cells.Collect(point, 1.0f) && m_cells.FindFreeSpot(m_map, point, size / 2, spot)) {
            out = spot;
            found = true;
        }
    }
    return found;
}

bool SoldierPlanner::FindDropSpot(const Vector& point, float radius, Vector& out) {
    int count = 0;
    ForEachCellTouched(point, radius, [&](int x, int y) { count += m_map.IsWalkable(x, y); });
    if (count == 0)
        return false;
    int wanted = RandomInt(0, count);
    ForEachCellTouched(point, radius, [&](int x, int y) {
        if (m_map.IsWalkable(x, y) && wanted-- == 0)
            out = Vector(x + 0.5f, y + 0.5f, 0.0f);
    });
    return true;
}

bool SoldierPlanner::FollowPathTo(SoldierEntity& creature, const Vector& goal,
                                  const Entity* anchorKey) {
    if (!m_finder.FindPath(creature.GetPosition(), goal, creature.GetPath()))
        return false;
    creature.GetPath().TruncateAtFirstBlocked(m_map);
    creature.SetAnchor(anchorKey, goal);
    return true;
}

bool SoldierPlanner::PlanPathToPoint(SoldierEntity& creature, const Vector& goal) {
    Vector spot = goal;
    if ((IsPlaceOccupied(creature, goal) || !m_map.IsWalkableAt(goal)) &&
        !FindPlacement(creature, goal, spot))
        return false;
    return FollowPathTo(creature, spot, nullptr);
}

bool SoldierPlanner::PlanPathToEntity(SoldierEntity& creature, Entity& target, float distance) {
    Vector spot;
    {
        CellStamps stamps(m_map, m_marks);
        stamps.StampImpassable(OtherLivingSoldiers(&creature, &target), &target);
        if (!SearchRings(target.GetPosition(), PlacementStep(creature, &target, distance),
                         PlacementStep(creature, nullptr, 0.0f), creature.GetPosition(), spot))
            return false;
    }
    return FollowPathTo(creature, spot, &target);
}

bool SoldierPlanner::PlanPathAway(SoldierEntity& creature, Entity& other, float distance) {
    Vector spot;
    return FindPlacement(creature, GetPointByFacing(other, distance), spot) &&
           FollowPathTo(creature, spot, nullptr);
}

bool SoldierPlanner::FindNearestOpenCell(const Vector& point, Vector& out) const {
    return m_map.FindNearestWalkableCell(point, out);
}

bool SoldierPlanner::GetPoolInArea(const Vector& centre, float distance,
                                   std::vector<SteeringEntity*>& selected) {
    m_manager.SelectSoldiersInArea(centre, distance, m_inArea);
    selected.assign(m_inArea.begin(), m_inArea.end());
    return !selected.empty();
}

bool SoldierPlanner::CanStandAt(SteeringEntity& creature, const Vector& point) {
    return IsCircleOnPassableCells(m_map, point, creature.GetRadius());
}

bool SoldierPlanner::IsPlaceOccupied(SteeringEntity& creature, const Vector& point) {
    Entity* entity = AsEntity(creature);
    return entity != nullptr && IsPlaceOccupied(*entity, point);
}

bool SoldierPlanner::PlanPathToPoint(SteeringEntity& creature, const Vector& goal) {
    SoldierEntity* soldier = nullptr;
    return Entity::AsSoldier(AsEntity(creature), &soldier) && PlanPathToPoint(*soldier, goal);
}

bool SoldierPlanner::PlanPathToEntity(SteeringEntity& creature, SteeringEntity& target,
                                      float distance) {
    SoldierEntity* soldier = nullptr;
    Entity* other = AsEntity(target);
    return other != nullptr && Entity::AsSoldier(AsEntity(creature), &soldier) &&
           PlanPathToEntity(*soldier, *other, distance);
}

void SoldierPlanner::StoreSoldierAnchor(SteeringEntity& creature) {
    SoldierEntity* soldier = nullptr;
    if (Entity::AsSoldier(AsEntity(creature), &soldier))
        soldier->ResetAnchor();
}
