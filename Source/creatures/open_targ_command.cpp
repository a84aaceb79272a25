#include "Source/creatures/open_targ_command.h"

#include "Library/geometry/circle_tests.h"
#include "Library/graphics/screen.h"
#include "Source/entities/soldier_entity.h"

OpenTargCommand::OpenTargCommand(SoldierEntity& owner, Entity* target, int argument)
    : CreatureCommand(owner, kOpenTarg), m_argument(argument) {
    SetTargetEntity(target);
    SetParameter(kRange);
}

bool OpenTargCommand::IsSettled() const {
    return GetTarget() != nullptr && !GetTarget()->HasAnyFlag(Entity::kFlagChanging);
}

bool OpenTargCommand::OpenTarget() {
    Entity* target = GetTarget();
    if (!CirclesOverlapLoose(Owner(), GetParameter() + 1.0f, *target))
        return PathToTarget(target, GetParameter());
    Stop();
    Owner().UseEntity(target, m_argument);
    return false;
}

bool OpenTargCommand::Update() {
    return WalkStep(
        kPathingToTarg, kStart, [this] { return IsSettled(); }, [this] { return OpenTarget(); });
}

void OpenTargCommand::Describe(int x, int y, Screen& screen) const {
    screen.Printf(x, y, "OPEN_TARG");
    DescribeState(x, y, screen);
}
