#pragma once
// OFFSET: arrives at a point shifted from a target by a fixed offset on the map plane.

#include "Library/world/steering_behaviour.h"

class OffsetBehaviour : public SteeringBehaviour {
public:
    static constexpr int kKind = kOffset;

    explicit OffsetBehaviour(Vehicle& vehicle) : SteeringBehaviour(kKind, vehicle) {}
    void SetTarget(const Vector& target, float offsetX, float offsetY) {
        m_target = target;
        m_offsetX = offsetX;
        m_offsetY = offsetY;
    }
    Vector Calculate() override {
        return Arrive(Vector(m_target.x + m_offsetX, m_target.y + m_offsetY, m_target.z));
    }

private:
    Vector m_target;
    float m_offsetX = 0.0f;
    float m_offsetY = 0.0f;
};
