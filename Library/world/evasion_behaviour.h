#pragma once
// EVASION: full speed away from a threat, or from where it will soon be when it is closing
// in.

#include "Library/world/steering_behaviour.h"

class EvasionBehaviour : public SteeringBehaviour {
public:
    static constexpr int kKind = kEvasion;

    explicit EvasionBehaviour(Vehicle& vehicle) : SteeringBehaviour(kKind, vehicle) {}
    void SetTarget(const Vehicle* threat) { m_threat = threat; } // not owned; null: none
    Vector Calculate() override;

private:
    const Vehicle* m_threat = nullptr;
};
