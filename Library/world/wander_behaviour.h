#pragma once
// WANDER: seeks a target that drifts at random around a circle held in front of the
// vehicle, in its local frame, so the wandering stays in the map plane.

#include "Library/world/steering_behaviour.h"

class WanderBehaviour : public SteeringBehaviour {
public:
    static constexpr int kKind = kWander;

    explicit WanderBehaviour(Vehicle& vehicle) : SteeringBehaviour(kKind, vehicle) {}
    // The circle in local space (its y dropped) and a first target on it.
    void SetWander(const Vector& centre, float radius);
    Vector Calculate() override;
    // The circle round its centre and a cross of 10 pixels each way on the target, in the
    // screen's drawing colour.
    void DebugDraw(Screen& screen) const override;

private:
    Vector RandomInPlane(float maximum) const; // each component of random sign, y then 0

    Vector m_centre;
    Vector m_target;
    float m_radius = 0.0f;
};
