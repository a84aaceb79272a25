#pragma once
// UCA: steers sideways, in the vehicle's local frame, away from the living soldier that
// will pass closest within the next five seconds.

#include "Library/world/steering_behaviour.h"

class GroupBehaviour : public SteeringBehaviour {
public:
    static constexpr int kKind = kGroup;

    explicit GroupBehaviour(Vehicle& vehicle) : SteeringBehaviour(kKind, vehicle) {}
    Vector CalculateGroup() override;
};
