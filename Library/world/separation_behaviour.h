#pragma once
// SEPARATION: a unit push away from each living soldier that overlaps the vehicle by more
// than half.

#include "Library/world/steering_behaviour.h"

class SeparationBehaviour : public SteeringBehaviour {
public:
    static constexpr int kKind = kSeparation;

    explicit SeparationBehaviour(Vehicle& vehicle) : SteeringBehaviour(kKind, vehicle) {}
    void SetIgnore(const SteeringEntity* ignore) { m_ignore = ignore; } // null: none
    Vector Calculate() override;

private:
    const SteeringEntity* m_ignore = nullptr;
};
