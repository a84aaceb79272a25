#pragma once
// REPEL_OBSTACLE: a push away from each living soldier close to touching, stronger the
// closer it is.

#include "Library/world/steering_behaviour.h"

class RepelObstacleBehaviour : public SteeringBehaviour {
public:
    static constexpr int kKind = kRepelObstacle;

    explicit RepelObstacleBehaviour(Vehicle& vehicle) : SteeringBehaviour(kKind, vehicle) {}
    Vector Calculate() override;
};
