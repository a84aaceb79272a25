#pragma once
// Where creatures can go: free spots near a wanted point that neither walls nor living
// creatures take, paths there through the path finder, and what steering asks of the
// creatures around a vehicle. Living creatures take part by being stamped onto the tile
// map's flags for the length of one search. One per entity manager with a map.
//
// Every ring search visits rings 0 to 199 of width 1 at radius i x step, and within a
// ring the grid points nearest a reference first; ring 0 is empty, so a spot found by a
// search lies at least one ring out.

#include "Library/world/open_cell_finder.h"
#include "Library/world/path_finder.h"
#include "Library/world/steering_world.h"
#include "Source/entities/cell_marks.h"
#include "Source/entities/free_cells.h"

#include <vector>

class Entity;
class EntityMgr;
class EntityPtrList;
class SoldierEntity;
class TileMap;

class SoldierPlanner : public SteeringWorld, public OpenCellFinder {
public:
    static constexpr int kRingCount = 200;

    SoldierPlanner(EntityMgr& manager, TileMap& map); // both outlive the planner
    SoldierPlanner(const SoldierPlanner&) = delete;
    SoldierPlanner& operator=(const SoldierPlanner&) = delete;

    // extra (0.5 for 0) + a's radius + b's (when given).
    static float PlacementStep(const Entity& a, const Entity* b, float extra);

    // Another living soldier's circle of half its radius covers self's half circle there.
    bool IsPlaceOccupied(Entity& self, const Vector& point);
    // out := destination, then: a soldier on a free walkable destination stays there; a
    // soldier elsewhere searches rings of 0.5 + its radius among the other living ones
    // stamped as walls; anything else searches rings of 1. False after 200 rings.
    bool FindPlacement(Entity& entity, const Vector& destination, Vector& out);
    // Along one random heading from the centre, at radii from the creature's radius + far
    // down to its radius + near in steps of 1, the grid points within one unit of each
    // point are tried for room of half the creature's radius among the other living
    // creatures; the nearest radius that gives a spot wins.
    bool FindSpotOnRadii(Entity& creature, const Vector& centre, float nearDistance,
                         float farDistance, Vector& out);
    // The centre of a random walkable cell among those the circle touches.
    bool FindDropSpot(const Vector& point, float radius, Vector& out);

    // Paths into the creature's own waypoints, cut at the first blocked point, with the
    // creature's anchor set to the goal; false when no goal or path is found.
    bool PlanPathToPoint(SoldierEntity& creature, const Vector& goal);
    // To a free spot at least the distance (0.5 for 0) from the target's edge, the spot
    // nearest the creature first, the other creatures bound for the same target stamped
    // at their anchors.
    bool PlanPathToEntity(SoldierEntity& creature, Entity& target, float distance);
    // To a free spot the distance ahead of the other along its facing.
    bool PlanPathAway(SoldierEntity& creature, Entity& other, float distance);

    bool FindNearestOpenCell(const Vector& point, Vector& out) const override;

    bool GetPoolInArea(const Vector& centre, float distance,
                       std::vector<SteeringEntity*>& selected) override;
    bool CanStandAt(SteeringEntity& creature, const Vector& point) override;
    bool IsPlaceOccupied(SteeringEntity& creature, const Vector& point) override;
    bool PlanPathToPoint(SteeringEntity& creature, const Vector& goal) override;
    bool PlanPathToEntity(SteeringEntity& creature, SteeringEntity& target,
                          float distance) override;
    void StoreSoldierAnchor(SteeringEntity& creature) override;

private:
    // The living soldiers but the two given, selected.
    const EntityPtrList& OtherLivingSoldiers(Entity* a, Entity* b);
    // Rings of radius first + i x step around the centre, their points nearest the
    // reference first, each tried as a circle of radius step.
    bool SearchRings(const Vector& centre, float first, float step, const Vector& reference,
                     Vector& out);
    bool FollowPathTo(SoldierEntity& creature, const Vector& goal, const Entity* anchorKey);

    EntityMgr& m_manager;
    TileMap& m_map;
    FreeCells m_cells;
    CellMarks m_marks;             // of the one set of stamps at a time
    CellMarks m_pointCells;        // the cells of the point an occupancy question asks about
    std::vector<Entity*> m_inArea; // kept for its capacity
    PathFinder m_finder;
};
