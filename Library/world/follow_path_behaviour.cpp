#include "Library/world/follow_path_behaviour.h"

#include "Library/geometry/circle_tests.h"
#include "Library/world/movement_flags.h"
#include "Library/world/steering_entity.h"
#include "Library/world/steering_world.h"
#include "Library/world/vehicle.h"
#include "Library/world/waypoints.h"

#include <bitset>

namespace {
constexpr float kExactGoalRadius = 0.1f;
constexpr float kTargetReach = 7.0f;
} // namespace

void FollowPathBehaviour::SetPath(const Vector& /*point*/, uint32_t movementFlags,
                                  Waypoints& path) {
    Setup(nullptr, 0.0f, 0, movementFlags, path);
}

void FollowPathBehaviour::SetPathToEntity(SteeringEntity& target, float approach, uint8_t flagByte,
                                          uint32_t movementFlags, Waypoints& path) {
    Setup(&target, approach, flagByte, movementFlags, path);
}

void FollowPathBehaviour::Setup(SteeringEntity* target, float approach, uint8_t flagByte,
                                uint32_t movementFlags, Waypoints& path) {
    m_path = &path;
    m_target = target;
    m_targetPosition = target ? target->GetPosition() : Vector();
    m_approach = approach;
    m_flagByte = flagByte;
    m_movementFlags = movementFlags;
    m_index = 0;
    m_history = 0xFFFF;
    m_lastProgress = 0.0f;
    m_arrived = false;
    m_running = true;
    m_total = path.GetCount() > 0 ? Remaining(0) : 0.0f;
    for (int i = 0; i < path.GetCount(); ++i) {
        const bool exact = IsGoalWaypoint(i) && (movementFlags & MovementFlag::kExactGoal);
        path.SetRadius(i, exact ? kExactGoalRadius : m_vehicle.GetRadius());
    }
}

float FollowPathBehaviour::Remaining(int index) const {
    float remaining = (m_vehicle.GetPosition() - m_path->GetPoint(index)).LengthSquared();
    for (int j = index + 1; j < m_path->GetCount(); ++j)
        remaining += (m_path->GetPoint(j) - m_path->GetPoint(j - 1)).LengthSquared();
    return remaining;
}

float FollowPathBehaviour::GetProgress() const {
    if (!m_path || m_index >= m_path->GetCount() || m_total <= 0.0f)
        return 1.0f;
    return 1.0f - Remaining(m_index) / m_total;
}

bool FollowPathBehaviour::IsStuck() {
    const float progress = GetProgress();
    m_history = static_cast<uint16_t>(m_history << 1 | (progress > m_lastProgress ? 1 : 0));
    m_lastProgress = progress;
    const float stuck = 1.0f - static_cast<float>(std::bitset<16>(m_history).count()) * 0.0625f;
    return stuck > kStuckLimit;
}

bool FollowPathBehaviour::IsGoalWaypoint(int index) const {
    return m_path && index >= 0 && index == m_path->GetCount() - 1 &&
           m_path->GetPoint(index) == m_path->GetGoal();
}

bool FollowPathBehaviour::IsOnGoal() const {
    return m_path && IsGoalWaypoint(m_index) &&
           (m_vehicle.GetPosition() - m_path->GetGoal()).Length() <= m_path->GetRadius(m_index);
}

bool FollowPathBehaviour::IsWithinApproach() const {
    return m_path &&
           (m_vehicle.GetPosition() - m_path->GetGoal()).LengthSquared() <= m_approach * m_approach;
}

// Worth a new plan only near the end of the path: far from it the old route still leads
// the right way.
bool FollowPathBehaviour::TargetHasMoved() const {
    const SteeringEntity& owner = m_vehicle.GetOwner();
    return m_target && m_target->GetPosition() != m_targetPosition && !IsWithinApproach() &&
           WithinDistance(owner.GetPosition(),
                          owner.GetRadius() + m_target->GetRadius() + kTargetReach,
                          m_path->GetGoal());
}

// Close by a goal the creature cannot stand on exactly, it stops where it is.
bool FollowPathBehaviour::GoalIsTaken() const {
    SteeringEntity& owner = m_vehicle.GetOwner();
    const Vector& goal = m_path->GetGoal();
    return WithinDistance(owner.GetPosition(), 1.5f * m_vehicle.GetRadius(), goal) &&
           (!m_vehicle.GetWorld().CanStandAt(owner, goal) ||
            m_vehicle.GetWorld().IsPlaceOccupied(owner, goal));
}

Vector FollowPathBehaviour::Stop(bool arrived) {
    m_running = false;
    m_arrived = arrived;
    return Vector();
}

// A path without points, or one already given up, reads no waypoint: the behaviour stays
// stopped.
Vector FollowPathBehaviour::Calculate() {
    if (!m_running || !m_path || m_index >= m_path->GetCount())
        return Stop(m_arrived);
    if (IsStuck()) {
        Replan();
        return Vector();
    }
    m_checkMs += m_vehicle.GetFrameMs();
    if (m_checkMs > kTargetCheckMs) {
        m_checkMs = 0;
        if (TargetHasMoved()) {
            Replan();
            return Vector();
        }
    }
    if (GoalIsTaken())
        return Stop(false);
    const Vector& point = m_path->GetPoint(m_index);
    const float reach = m_path->GetRadius(m_index);
    const bool reached = (point - m_vehicle.GetPosition()).LengthSquared() <= reach * reach;
    if (m_index == m_path->GetCount() - 1) {
        if (reached) {
            if (IsGoalWaypoint(m_index))
                return Stop(true);
            Replan(); // the end of a path cut short
            return Vector();
        }
    } else if (reached) {
        ++m_index;
    }
    const Vector& next = m_path->GetPoint(m_index);
    return IsGoalWaypoint(m_index) ? Arrive(next) : Seek(next);
}

bool FollowPathBehaviour::Replan() {
    if (!m_path)
        return false;
    SteeringEntity& owner = m_vehicle.GetOwner();
    SteeringWorld& world = m_vehicle.GetWorld();
    bool planned;
    if (m_target) {
        planned = world.PlanPathToEntity(owner, *m_target, m_approach);
        if (planned)
            Setup(m_target, m_approach, m_flagByte, m_movementFlags, *m_path);
    } else {
        const Vector goal = m_path->GetGoal();
        planned = world.PlanPathToPoint(owner, goal);
        if (planned)
            Setup(nullptr, 0.0f, 0, m_movementFlags, *m_path);
    }
    m_running = planned;
    return planned;
}

void FollowPathBehaviour::DebugDraw(Screen& screen) const {
    if (m_path)
        m_path->DebugDraw(screen, m_vehicle.GetMap());
}
