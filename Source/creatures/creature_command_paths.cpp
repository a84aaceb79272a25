// Where commands send their owner: planned walks to points and entities, flights and the
// wander step, and the owner's leaving the map.
#include "Source/creatures/creature_command.h"

#include "Library/core/maths.h"
#include "Library/core/random.h"
#include "Library/geometry/circle_tests.h"
#include "Library/world/tile_map.h"
#include "Source/entities/entity_queries.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/soldier_planner.h"

#include <climits>
#include <cmath>

namespace {

constexpr float kTwoPi = 6.2831855f;
constexpr float kHeadingStep = 0.15915494f; // radians between a wander's tries
constexpr int kWanderHeadings = 10;
constexpr float kWanderMinRadius = 1.0f;
constexpr float kWanderMaxRadius = 4.0f;
constexpr float kTinyComponent = 0.0000001f;
constexpr int kFleeNotice = 6; // the owner's scripts hear that it flees during combat

SoldierPlanner* PlannerOf(const SoldierEntity& owner) {
    const EntityMgr* manager = owner.GetManager();
    return manager ? manager->GetPlanner() : nullptr;
}

} // namespace

bool CreatureCommand::PlanAndWalk(const Entity* key, const Vector& point, int event,
                                  State walking) {
    if (!CanRepath(key, point))
        return false;
    Stop();
    SoldierPlanner* planner = PlannerOf(m_owner);
    if (planner == nullptr || !planner->PlanPathToPoint(m_owner, point)) {
        Fail();
        return false;
    }
    if (event == SoldierEntity::kEventWalkTo)
        m_owner.OnEvent(event, &point, 0, -1);
    else
        m_owner.OnEvent(event, 0, 0, -1);
    m_state = walking;
    return true;
}

bool CreatureCommand::PathToPoint(const Vector& point) {
    return PlanAndWalk(nullptr, point, SoldierEntity::kEventWalkTo, kPathingToDest);
}

bool CreatureCommand::PathAlongToPoint(const Vector& point) {
    return PlanAndWalk(nullptr, point, SoldierEntity::kEventFollowPath, kPathingToDest);
}

bool CreatureCommand::PathToTarget(Entity* target, float range) {
    if (target == nullptr || !CanRepath(target, target->GetPosition()))
        return false;
    Stop();
    if (CirclesOverlapLoose(m_owner, range, *target))
        return false;
    SoldierPlanner* planner = PlannerOf(m_owner);
    if (planner == nullptr || !planner->PlanPathToEntity(m_owner, *target, range)) {
        Fail();
        return false;
    }
    m_owner.OnEvent(SoldierEntity::kEventPursue, target, ToIntWithin(range, 0, INT_MAX), 0);
    m_state = kPathingToTarg;
    return true;
}

// The offset point itself is planned to, as the walk that follows is posted to it.
bool CreatureCommand::PathToTargetOffset(Entity* target, const Vector& offset) {
    return target != nullptr && PlanAndWalk(target, target->GetPosition() + offset,
                                            SoldierEntity::kEventWalkTo, kPathingToTarg);
}

bool CreatureCommand::FleeFromTarget(const Entity& target, float distance) {
    return Flee(target.GetPosition(), distance);
}

bool CreatureCommand::FleeFromPoint(const Vector& point, float distance) {
    return Flee(point, distance);
}

// Standing on the very spot, any horizontal direction will do.
bool CreatureCommand::Flee(const Vector& from, float distance) {
    const Vector& at = m_owner.GetPosition();
    Vector direction = at - from;
    if (at == from) {
        direction = Vector(RandomSignedFloat(kTinyComponent, 1.0f),
                           RandomSignedFloat(kTinyComponent, 1.0f), 0.0f);
    }
    direction.Normalize();
    if (!PathToPoint(at + direction * distance))
        return false;
    const EntityMgr* manager = Manager();
    if (manager != nullptr && manager->GetCombatCountdown() > 0)
        m_owner.PostScriptEvent(kFleeNotice);
    return true;
}

bool CreatureCommand::PathToRandomPoint() {
    Stop();
    const float start = RandomFloat(0.0f, kTwoPi);
    for (float radius = RandomFloat(kWanderMinRadius, kWanderMaxRadius); radius > 0.0f;
         radius -= 1.0f)
        for (int i = 0; i < kWanderHeadings; ++i) {
            const float heading = start - i * kHeadingStep;
            const Vector candidate = m_owner.GetPosition() + Vector(radius * std::cos(heading),
                                                                    radius * std::sin(heading), 0);
            if (TryWanderTo(candidate)) {
                m_owner.OnEvent(SoldierEntity::kEventWalkTo, &candidate, 0, -1);
                m_state = kPathingToDest;
                return true;
            }
        }
    return false;
}

// A straight line clear of walls and of every other living creature, and a path.
bool CreatureCommand::TryWanderTo(const Vector& candidate) {
    EntityMgr* manager = Manager();
    return manager != nullptr && manager->GetPlanner() != nullptr &&
           IsLineClearOfSoldiers(*manager, m_owner.GetPosition(), candidate, m_owner.GetRadius(),
                                 &m_owner, nullptr) &&
           manager->GetPlanner()->PlanPathToPoint(m_owner, candidate);
}

// Released at once, the owner's slot could be handed out again, and its behaviour made
// anew, while this command still runs.
void CreatureCommand::ReleaseOwner() {
    EntityMgr* manager = Manager();
    if (manager != nullptr && manager->IsSoldierLive(&m_owner))
        manager->ScheduleRelease(&m_owner);
    m_state = kEnd;
}
