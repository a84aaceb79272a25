#include "Source/creatures/go_to_targ_offset_command.h"

#include "Library/graphics/screen.h"
#include "Source/entities/soldier_entity.h"

GoToTargOffsetCommand::GoToTargOffsetCommand(SoldierEntity& owner, Entity* target,
                                             const Vector& offset)
    : CreatureCommand(owner, kGoToTargOffset), m_offset(offset) {
    SetTargetEntity(target);
}

bool GoToTargOffsetCommand::Update() {
    if (IsHeldByTimer())
        return true;
    if (GetState() == kStart && !PathToTargetOffset(GetTarget(), m_offset)) {
        SetState(kEnd);
    } else if (GetState() == kPathingToTarg && !IsMoving()) {
        SoldierEntity* beside = nullptr;
        if (Entity::AsSoldier(GetTarget(), &beside))
            Owner().SetDirection(beside->GetDirection());
        SetState(kEnd);
    }
    return IsRunning();
}

void GoToTargOffsetCommand::Describe(int x, int y, Screen& screen) const {
    screen.Printf(x, y, "GO_TO_TARG_OFFSET");
    DescribeState(x, y, screen);
}
