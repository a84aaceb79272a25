#pragma once
// What steering needs of the creatures around a vehicle and of the placement and planning
// code: the entity manager implements it, tests fake it.

#include <vector>

class SteeringEntity;
class Vector;

class SteeringWorld {
public:
    virtual ~SteeringWorld() = default;

    // The living soldiers within distance of centre, in the pool's order, into selected
    // (emptied first); false when there are none.
    virtual bool GetPoolInArea(const Vector& centre, float distance,
                               std::vector<SteeringEntity*>& selected) = 0;
    // Whether the creature fits on the cells at the point, and whether another living
    // soldier covers the point.
    virtual bool CanStandAt(SteeringEntity& creature, const Vector& point) = 0;
    virtual bool IsPlaceOccupied(SteeringEntity& creature, const Vector& point) = 0;
    // Plan the creature's path, into the waypoints it follows, to a point or to within
    // distance of an entity; false when there is none.
    virtual bool PlanPathToPoint(SteeringEntity& creature, const Vector& goal) = 0;
    virtual bool PlanPathToEntity(SteeringEntity& creature, SteeringEntity& target,
                                  float distance) = 0;
    // A soldier's anchor becomes where it stands; other entities have none.
    virtual void StoreSoldierAnchor(SteeringEntity& creature) = 0;
};
