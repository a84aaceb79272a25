#pragma once
// The flocking and hiding kinds a vehicle can hold but that give no force: COHESION,
// ALIGNMENT, INTERPOSE and HIDE. A vehicle does not make them itself.

#include "Library/world/steering_behaviour.h"

template <int KindOf> class ForcelessBehaviour : public SteeringBehaviour {
public:
    static constexpr int kKind = KindOf;

    explicit ForcelessBehaviour(Vehicle& vehicle) : SteeringBehaviour(kKind, vehicle) {}
};

using CohesionBehaviour = ForcelessBehaviour<SteeringBehaviour::kCohesion>;
using AlignmentBehaviour = ForcelessBehaviour<SteeringBehaviour::kAlignment>;
using InterposeBehaviour = ForcelessBehaviour<SteeringBehaviour::kInterpose>;
using HideBehaviour = ForcelessBehaviour<SteeringBehaviour::kHide>;
