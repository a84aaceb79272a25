#pragma once
// AVOID_OBSTACLE: a sideways push away from the nearest living soldier in a box ahead of
// the vehicle, as long as the vehicle travels in two frames plus half its radius.

#include "Library/world/steering_behaviour.h"

class AvoidObstacleBehaviour : public SteeringBehaviour {
public:
    static constexpr int kKind = kAvoidObstacle;

    explicit AvoidObstacleBehaviour(Vehicle& vehicle) : SteeringBehaviour(kKind, vehicle) {}
    void SetIgnore(const SteeringEntity* ignore) { m_ignore = ignore; } // null: none
    Vector Calculate() override;

private:
    const SteeringEntity* m_ignore = nullptr;
};
