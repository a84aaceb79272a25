#include "Source/creatures/go_to_targ_start_dialogue_command.h"

#include "Library/geometry/circle_tests.h"
#include "Library/graphics/screen.h"
#include "Source/entities/creature_meeting.h"
#include "Source/entities/soldier_entity.h"

GoToTargStartDialogueCommand::GoToTargStartDialogueCommand(SoldierEntity& owner, Entity* target,
                                                           float distance)
    : CreatureCommand(owner, kGoToTargStartDialogue) {
    SetTargetEntity(target);
    SetParameter(distance);
}

bool GoToTargStartDialogueCommand::TalkToTarget() {
    Entity* target = GetTarget();
    if (target == nullptr)
        return false;
    if (!CirclesOverlapLoose(Owner(), GetParameter() + 1.0f, *target))
        return PathToTarget(target, GetParameter());
    Stop();
    if (Owner().HasAnyFlag(Entity::kFlagPartyMember))
        AlertTargetScripts(&Owner(), target);
    else
        StartDialogue(target, &Owner());
    return false;
}

bool GoToTargStartDialogueCommand::Update() {
    return WalkStep(kPathingToTarg, kStart, [this] { return TalkToTarget(); });
}

void GoToTargStartDialogueCommand::Describe(int x, int y, Screen& screen) const {
    screen.Printf(x, y, "GO_TO_TARG_START_DIALOGUE");
    DescribeState(x, y, screen);
}
