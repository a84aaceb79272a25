#include "Source/creatures/spell_point_command.h"

#include "Library/geometry/circle_tests.h"
#include "Library/graphics/screen.h"
#include "Source/creatures/spell_ability.h"
#include "Source/entities/map_object.h"
#include "Source/entities/soldier_entity.h"

SpellPointCommand::SpellPointCommand(SoldierEntity& owner, const SpellAbility* spell,
                                     Entity* target, const Vector& point, int flag)
    : SpellCastCommand(owner, kSpellPoint, spell), m_point(point), m_flag(flag) {
    const int targetType = spell ? spell->GetTargetType() : kTargetPoint;
    if (targetType != kTargetPoint)
        SetTargetEntity(target);
    if (targetType == kTargetMapObject && !Entity::GetMapObject(target)) {
        Fail();
        SetState(kEnd);
    }
}

bool SpellPointCommand::AimsAtMapObject() const {
    return GetSpell().GetTargetType() == kTargetMapObject;
}

MapObject* SpellPointCommand::GetMapObject() const {
    MapObject* mapObject = nullptr;
    return AimsAtMapObject() && Entity::GetMapObject(GetTarget(), &mapObject) ? mapObject : nullptr;
}

bool SpellPointCommand::IsPointInRange() const {
    return CircleNearPointLoose(Owner(), GetSpell().GetRange(), m_point);
}

bool SpellPointCommand::IsAimInRange() {
    const float range = GetSpell().GetRange();
    const Entity* target = GetTarget();
    const MapObject* mapObject = GetMapObject();
    if (target == nullptr)
        return false;
    if (mapObject == nullptr)
        return CirclesOverlapLoose(Owner(), range, *target);
    Vector aim = mapObject->GetOwner().GetPosition();
    if (mapObject->GetKind() != kMapObjectDoor &&
        !mapObject->NearestZonePoint(Owner().GetPosition(), aim)) {
        Fail();
        SetState(kEnd);
        return false;
    }
    return CircleNearPointLoose(Owner(), range, aim);
}

bool SpellPointCommand::Cast() {
    Entity* target = GetTarget();
    if (target == nullptr) {
        if (!IsPointInRange())
            return PathToPoint(m_point);
        return PostCast(SoldierEntity::kEventCastAtPoint, &m_point, m_flag);
    }
    if (!IsAimInRange())
        return GetState() != kEnd && PathToTarget(target, GetSpell().GetRange());
    return PostCast(SoldierEntity::kEventCastOnTarget, target, m_flag);
}

void SpellPointCommand::WatchWalk() {
    const bool inRange = (GetState() == kPathingToDest && IsPointInRange()) ||
                         (GetState() == kPathingToTarg && IsAimInRange());
    if (GetState() != kEnd && (inRange || !IsMoving()))
        SetState(kStart);
}

void SpellPointCommand::Describe(int x, int y, Screen& screen) const {
    screen.Printf(x, y, "SPELL_POINT");
    DescribeState(x, y, screen);
}
