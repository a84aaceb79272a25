#pragma once
// One way of steering a vehicle: turns the vehicle's state and its surroundings into a
// force in world units on the map plane. The kind is also the behaviour's slot in its
// vehicle.

#include "Library/core/vector.h"

#include <vector>

class Screen;
class SteeringEntity;
class Vehicle;

class SteeringBehaviour {
public:
    enum Kind : int {
        kNone,
        kSeek,
        kArrival,
        kFlee,
        kPursuit,
        kEvasion,
        kOffset,
        kFormation,
        kSeparation,
        kCohesion,
        kAlignment,
        kAvoidObstacle,
        kRepelObstacle,
        kFollowPath,
        kAvoidWalls,
        kFollowWalls,
        kWander,
        kInterpose,
        kHide,
        kGroup,
        kKindCount,
    };

    SteeringBehaviour(int kind, Vehicle& vehicle) : m_vehicle(vehicle), m_kind(kind) {}
    SteeringBehaviour(const SteeringBehaviour&) = delete;
    SteeringBehaviour& operator=(const SteeringBehaviour&) = delete;
    virtual ~SteeringBehaviour() = default;

    virtual Vector CalculateGroup() { return Vector(); } // in the vehicle's local frame
    // A force asked for with a value; no behaviour gives one this way.
    virtual Vector CalculateAlt(const Vector& /*value*/) { return Vector(); }
    virtual Vector Calculate() { return Vector(); }
    // What the behaviour steers by, drawn over the map in its view; most draw nothing.
    virtual void DebugDraw(Screen& /*screen*/) const {}

    int GetKind() const { return m_kind; }
    static const char* KindName(int kind);               // "" for a kind outside 0-19
    void DebugPrint(int x, int y, Screen& screen) const; // the kind's name

protected:
    // Full speed toward the target, less the velocity.
    Vector Seek(const Vector& target) const;
    // Toward the target at up to four times its distance per second, less the velocity.
    Vector Arrive(const Vector& target) const;
    // The force, or zero when it leads the owner onto a cell that is not walkable.
    Vector MaskForceByWalkable(const Vector& force) const;
    // The living soldiers within distance of the vehicle but the owner and ignore.
    const std::vector<SteeringEntity*>& Neighbours(float distance, const SteeringEntity* ignore);
    // A push from each of those within twice the vehicle's radius whose centre lies off the
    // vehicle's and closer than scale x (both radii) + margin: the offset from it over
    // divisor(squared distance). The sum, masked by the walls.
    Vector PushAway(const SteeringEntity* ignore, float scale, float margin,
                    float (*divisor)(float));

    Vehicle& m_vehicle;

private:
    int m_kind;
    std::vector<SteeringEntity*> m_neighbours;
};
