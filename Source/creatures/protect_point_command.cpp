#include "Source/creatures/protect_point_command.h"

#include "Library/geometry/circle_tests.h"
#include "Library/graphics/screen.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/entity_queries.h"
#include "Source/entities/soldier_entity.h"

ProtectPointCommand::ProtectPointCommand(SoldierEntity& owner, const Vector& point, float radius)
    : GuardCommand(owner, kProtectPoint), m_point(point) {
    SetParameter(radius);
}

void ProtectPointCommand::Decide() {
    if (!CheckWeapon()) {
        SetState(kEnd);
        return;
    }
    SoldierEntity& owner = Owner();
    Entity* enemy = nullptr;
    EntityMgr* manager = Manager();
    if (manager != nullptr && FindNearestEnemy(*manager, &owner, owner.GetPosition(), enemy) &&
        CircleNearPoint(owner, GetParameter(), m_point) && SetTarget(enemy)) {
        if (!StartAttack(GetAttackTarget()))
            SetState(kEnd);
        return;
    }
    const float home = 2.0f * owner.GetRadius();
    if (DistanceSquared2d(owner.GetPosition(), m_point) <= home * home)
        return;
    SetState(PathToPoint(m_point) ? kReturningToTarg : kEnd);
}

void ProtectPointCommand::Describe(int x, int y, Screen& screen) const {
    screen.Printf(x, y, "PROTECT_POINT %f, %f", m_point.x, m_point.y);
    DescribeState(x, y, screen);
}
