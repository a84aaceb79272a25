#pragma once
// PURSUIT: full speed toward where another vehicle is now (no prediction).

#include "Library/world/steering_behaviour.h"
#include "Library/world/vehicle.h"

class PursuitBehaviour : public SteeringBehaviour {
public:
    static constexpr int kKind = kPursuit;

    explicit PursuitBehaviour(Vehicle& vehicle) : SteeringBehaviour(kKind, vehicle) {}
    void SetTarget(const Vehicle* target) { m_target = target; } // not owned; null: none
    Vector Calculate() override { return m_target ? Seek(m_target->GetPosition()) : Vector(); }

private:
    const Vehicle* m_target = nullptr;
};
