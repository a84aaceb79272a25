#pragma once
// FORMATION: arrives at a place beside a leader, offset x along its side axis and offset y
// along its heading.

#include "Library/world/steering_behaviour.h"
#include "Library/world/vehicle.h"

class FormationBehaviour : public SteeringBehaviour {
public:
    static constexpr int kKind = kFormation;

    explicit FormationBehaviour(Vehicle& vehicle) : SteeringBehaviour(kKind, vehicle) {}
    // The leader is not owned; null: no force.
    void SetFormation(const Vehicle* leader, float offsetX, float offsetY) {
        m_leader = leader;
        m_offsetX = offsetX;
        m_offsetY = offsetY;
    }
    Vector Calculate() override {
        return m_leader ? Arrive(m_leader->ToWorld(Vector(m_offsetX, 0.0f, m_offsetY))) : Vector();
    }

private:
    const Vehicle* m_leader = nullptr;
    float m_offsetX = 0.0f;
    float m_offsetY = 0.0f;
};
