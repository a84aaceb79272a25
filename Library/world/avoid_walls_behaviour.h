#pragma once
// AVOID_WALLS: holds the last wall contact with its push and three feelers (world points,
// at the origin until set), and draws them; it gives no force of its own.

#include "Library/world/steering_behaviour.h"

class Segment;

class AvoidWallsBehaviour : public SteeringBehaviour {
public:
    static constexpr int kKind = kAvoidWalls;
    static constexpr int kFeelerCount = 3;

    explicit AvoidWallsBehaviour(Vehicle& vehicle) : SteeringBehaviour(kKind, vehicle) {}

    // The wall's point at t along it becomes the contact; the push back out is along the
    // wall's normal, as long as the point lies past the wall, whichever way the normal faces.
    Vector WallContact(const Segment& wall, float t, const Vector& point);

    // The push from the contact in blue (when there is one), then lines from the vehicle to
    // its feelers in white, red and green.
    void DebugDraw(Screen& screen) const override;

private:
    Vector m_contact;
    Vector m_push;
    Vector m_feelers[kFeelerCount];
};
