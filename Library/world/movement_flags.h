#pragma once
// The movement flags a vehicle controller's order sets: what its final approach does, and
// how exactly the path follower takes the goal.

#include <cstdint>

namespace MovementFlag {
constexpr uint32_t kStopOnApproach = 1;        // velocity zero every frame
constexpr uint32_t kDropObstacleAvoidance = 2; // REPEL_OBSTACLE and AVOID_OBSTACLE removed
constexpr uint32_t kAddObstacleAvoidance = 4;  // ... or added when missing
constexpr uint32_t kDropSeparation = 8;        // SEPARATION removed
constexpr uint32_t kAddSeparation = 16;        // ... or added when missing
constexpr uint32_t kExactGoal = 32;            // the goal's arrival radius is 0.1
} // namespace MovementFlag
