#pragma once
// SEEK: full speed toward a point.

#include "Library/world/steering_behaviour.h"

class SeekBehaviour : public SteeringBehaviour {
public:
    static constexpr int kKind = kSeek;

    explicit SeekBehaviour(Vehicle& vehicle) : SteeringBehaviour(kKind, vehicle) {}
    void SetTarget(const Vector& target) { m_target = target; }
    Vector Calculate() override { return Seek(m_target); }

private:
    Vector m_target;
};
