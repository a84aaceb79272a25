#pragma once
// FOLLOW_PATH: carries a creature along its waypoints, seeking each in turn and arriving
// at the goal, and plans the path anew when the creature stops making progress, when it
// reaches the end of a path cut short, or when the entity it goes to has moved. A failed
// plan, or a goal that cannot be taken, stops it; it stays in its slot until removed.

#include "Library/world/steering_behaviour.h"

#include <cstdint>

class Waypoints;

class FollowPathBehaviour : public SteeringBehaviour {
public:
    static constexpr int kKind = kFollowPath;
    static constexpr float kStuckLimit = 0.3f; // above it: fewer than 12 of 16 frames gained
    static constexpr uint32_t kTargetCheckMs = 250;

    explicit FollowPathBehaviour(Vehicle& vehicle) : SteeringBehaviour(kKind, vehicle) {}

    // The waypoints belong to the creature and must outlive the behaviour; the planners
    // fill them again when it plans anew. The point is not read.
    void SetPath(const Vector& point, uint32_t movementFlags, Waypoints& path);
    // Toward an entity, to within the approach distance; the entity must outlive the
    // behaviour. The flag byte is kept for the next plan.
    void SetPathToEntity(SteeringEntity& target, float approach, uint8_t flagByte,
                         uint32_t movementFlags, Waypoints& path);

    Vector Calculate() override;
    void DebugDraw(Screen& screen) const override; // the path's cells
    bool Replan();                                 // false, and stopped, when no path is found

    bool IsRunning() const { return m_running; }
    bool HasArrived() const { return m_arrived; }
    int GetIndex() const { return m_index; }
    // The last of the waypoints, when it lies on the path's goal: not so on a path cut short.
    bool IsGoalWaypoint(int index) const;
    bool IsOnGoal() const; // on the goal waypoint, within its arrival radius of the goal
    bool IsWithinApproach() const;
    float GetProgress() const; // 0 at the start of the path, 1 at its end

private:
    void Setup(SteeringEntity* target, float approach, uint8_t flagByte, uint32_t movementFlags,
               Waypoints& path);
    float Remaining(int index) const; // squared lengths, from the vehicle on
    bool IsStuck();                   // counts this frame's progress in
    bool TargetHasMoved() const;
    bool GoalIsTaken() const;
    Vector Stop(bool arrived);

    Waypoints* m_path = nullptr;
    int m_index = 0;
    float m_total = 0.0f;
    uint16_t m_history = 0xFFFF; // one bit a frame, set when the frame gained
    float m_lastProgress = 0.0f;
    uint32_t m_checkMs = 0;
    SteeringEntity* m_target = nullptr;
    Vector m_targetPosition; // where the target stood when the path was planned
    float m_approach = 0.0f;
    uint8_t m_flagByte = 0;
    uint32_t m_movementFlags = 0;
    bool m_running = false;
    bool m_arrived = false;
};
