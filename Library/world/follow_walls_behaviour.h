#pragma once
// FOLLOW_WALLS: a vehicle can hold it, and an evader adds it to its wall avoidance, but it
// gives no force. It starts with its two settings at 1 and 0, which nothing reads yet.

#include "Library/world/steering_behaviour.h"

#include <cstdint>

class FollowWallsBehaviour : public SteeringBehaviour {
public:
    static constexpr int kKind = kFollowWalls;

    explicit FollowWallsBehaviour(Vehicle& vehicle) : SteeringBehaviour(kKind, vehicle) {}
    uint8_t GetSettingA() const { return m_settingA; }
    uint8_t GetSettingB() const { return m_settingB; }

private:
    uint8_t m_settingA = 1;
    uint8_t m_settingB = 0;
};
