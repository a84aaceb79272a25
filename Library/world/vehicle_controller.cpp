#include "Library/world/vehicle_controller.h"

#include "Library/world/avoid_obstacle_behaviour.h"
#include "Library/world/evasion_behaviour.h"
#include "Library/world/flee_behaviour.h"
#include "Library/world/follow_path_behaviour.h"
#include "Library/world/formation_behaviour.h"
#include "Library/world/movement_flags.h"
#include "Library/world/separation_behaviour.h"
#include "Library/world/steering_entity.h"
#include "Library/world/steering_world.h"
#include "Library/world/vehicle.h"
#include "Library/world/wander_behaviour.h"
#include "Library/world/waypoints.h"

namespace {

using namespace MovementFlag;
constexpr uint32_t kGoToFlags =
    kStopOnApproach | kDropObstacleAvoidance | kDropSeparation | kExactGoal;      // 43
constexpr uint32_t kGoToAltFlags = kDropObstacleAvoidance | kDropSeparation | 64; // 74; 64 unread
constexpr uint32_t kPursueFlags = kStopOnApproach | kExactGoal;                   // 33
constexpr uint32_t kLastingFlags = kStopOnApproach | kDropObstacleAvoidance | kDropSeparation; // 11

constexpr float kWanderAhead = 150.0f;
constexpr float kWanderRadius = 100.0f;

} // namespace

void VehicleController::StartPath(State state, uint32_t flags) {
    m_state = state;
    m_vehicle.RemoveAllBehaviours();
    m_vehicle.AddBehaviour(FollowPathBehaviour::kKind);
    m_vehicle.AddBehaviour(AvoidObstacleBehaviour::kKind);
    m_vehicle.AddBehaviour(SeparationBehaviour::kKind);
    m_flags = flags;
}

void VehicleController::GoTo(const Vector& point, Waypoints& path) {
    StartPath(kGoTo, kGoToFlags);
    m_vehicle.Find<FollowPathBehaviour>()->SetPath(point, kGoToFlags, path);
}

void VehicleController::GoToAlt(const Vector& point, Waypoints& path) {
    StartPath(kGoToAlt, kGoToAltFlags);
    m_vehicle.Find<FollowPathBehaviour>()->SetPath(point, kGoToAltFlags, path);
}

void VehicleController::Pursue(SteeringEntity& target, float approach, uint8_t flagByte,
                               Waypoints& path) {
    StartPath(kPursue, kPursueFlags);
    m_vehicle.Find<FollowPathBehaviour>()->SetPathToEntity(target, approach, flagByte, kPursueFlags,
                                                           path);
    m_vehicle.Find<SeparationBehaviour>()->SetIgnore(&target);
    m_vehicle.Find<AvoidObstacleBehaviour>()->SetIgnore(&target);
}

void VehicleController::Flee(const SteeringEntity& threat) {
    m_state = kFlee;
    m_vehicle.RemoveAllBehaviours();
    if (const Vehicle* soldier = threat.GetVehicle()) {
        static_cast<EvasionBehaviour*>(m_vehicle.AddBehaviour(EvasionBehaviour::kKind))
            ->SetTarget(soldier);
    } else {
        static_cast<FleeBehaviour*>(m_vehicle.AddBehaviour(FleeBehaviour::kKind))
            ->SetTarget(threat.GetPosition());
    }
    m_vehicle.AddBehaviour(AvoidObstacleBehaviour::kKind);
    m_vehicle.AddBehaviour(SeparationBehaviour::kKind);
    static_cast<WanderBehaviour*>(m_vehicle.AddBehaviour(WanderBehaviour::kKind))
        ->SetWander(Vector(0.0f, 0.0f, kWanderAhead), kWanderRadius);
    m_flags = kLastingFlags;
}

void VehicleController::Formation(const SteeringEntity& leader, float offsetX, float offsetY) {
    m_state = kFormation;
    m_vehicle.RemoveAllBehaviours();
    static_cast<FormationBehaviour*>(m_vehicle.AddBehaviour(FormationBehaviour::kKind))
        ->SetFormation(leader.GetVehicle(), offsetX, offsetY);
    m_vehicle.AddBehaviour(SeparationBehaviour::kKind);
    m_vehicle.AddBehaviour(AvoidObstacleBehaviour::kKind);
    m_flags = kLastingFlags;
}

bool VehicleController::IsFinished() const {
    if (FollowsPath()) {
        const FollowPathBehaviour* follow = m_vehicle.Find<FollowPathBehaviour>();
        return !follow || !follow->IsRunning();
    }
    return m_state != kFlee && m_state != kFormation;
}

bool VehicleController::IsOnFinalApproach() const {
    const FollowPathBehaviour* follow = m_vehicle.Find<FollowPathBehaviour>();
    return follow && follow->IsOnGoal();
}

bool VehicleController::IsWithinApproach() const {
    const FollowPathBehaviour* follow = m_vehicle.Find<FollowPathBehaviour>();
    return FollowsPath() && follow && follow->IsWithinApproach();
}

void VehicleController::SetIdle() {
    if (m_state == kIdle)
        return;
    m_state = kIdle;
    m_vehicle.RemoveAllBehaviours();
    m_vehicle.ClearForce();
    m_vehicle.GetWorld().StoreSoldierAnchor(m_owner);
}

void VehicleController::Update() {
    if (IsFinished()) {
        SetIdle();
        return;
    }
    if (!IsOnFinalApproach())
        return;
    if (m_flags & kDropSeparation)
        m_vehicle.RemoveBehaviour(SeparationBehaviour::kKind);
    else if ((m_flags & kAddSeparation) && !m_vehicle.Find<SeparationBehaviour>())
        m_vehicle.AddBehaviour(SeparationBehaviour::kKind);
    if (m_flags & kDropObstacleAvoidance) {
        m_vehicle.RemoveBehaviour(SteeringBehaviour::kRepelObstacle);
        m_vehicle.RemoveBehaviour(AvoidObstacleBehaviour::kKind);
    } else if (m_flags & kAddObstacleAvoidance) {
        for (int kind : {int{SteeringBehaviour::kRepelObstacle}, AvoidObstacleBehaviour::kKind})
            if (!m_vehicle.GetBehaviour(kind))
                m_vehicle.AddBehaviour(kind);
    }
    if (m_flags & kStopOnApproach)
        m_vehicle.ClearForce();
}
