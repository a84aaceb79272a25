#pragma once
// FLEE: full speed away from a point.

#include "Library/world/steering_behaviour.h"
#include "Library/world/vehicle.h"

class FleeBehaviour : public SteeringBehaviour {
public:
    static constexpr int kKind = kFlee;

    explicit FleeBehaviour(Vehicle& vehicle) : SteeringBehaviour(kKind, vehicle) {}
    void SetTarget(const Vector& target) { m_target = target; }
    Vector Calculate() override {
        const Vector away = VectorNormalized(m_vehicle.GetPosition() - m_target);
        return away * m_vehicle.GetMaxSpeed() - m_vehicle.GetVelocity();
    }

private:
    Vector m_target;
};
