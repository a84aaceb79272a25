#pragma once
// ARRIVAL: toward a point, slowing down over the last quarter second.

#include "Library/world/steering_behaviour.h"

class ArrivalBehaviour : public SteeringBehaviour {
public:
    static constexpr int kKind = kArrival;

    explicit ArrivalBehaviour(Vehicle& vehicle) : SteeringBehaviour(kKind, vehicle) {}
    void SetTarget(const Vector& target) { m_target = target; }
    Vector Calculate() override { return Arrive(m_target); }

private:
    Vector m_target;
};
