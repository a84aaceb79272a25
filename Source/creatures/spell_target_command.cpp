#include "Source/creatures/spell_target_command.h"

#include "Library/geometry/circle_tests.h"
#include "Library/graphics/screen.h"
#include "Source/creatures/spell_ability.h"
#include "Source/entities/soldier_entity.h"

SpellTargetCommand::SpellTargetCommand(SoldierEntity& owner, const SpellAbility* spell,
                                       Entity* target, int number)
    : SpellCastCommand(owner, kSpellTarget, spell), m_number(number) {
    SetTargetEntity(target);
}

bool SpellTargetCommand::Cast() {
    Entity* target = GetTarget();
    const float range = GetSpell().GetRange();
    if (target == nullptr)
        return false;
    if (!CirclesOverlapLoose(Owner(), range, *target))
        return PathToTarget(target, range);
    return PostCast(SoldierEntity::kEventCastOnTarget, target, m_number);
}

void SpellTargetCommand::WatchWalk() {
    if (GetState() == kPathingToTarg && !IsMoving())
        SetState(kStart);
}

void SpellTargetCommand::Describe(int x, int y, Screen& screen) const {
    screen.Printf(x, y, "SPELL_TARGET");
    DescribeState(x, y, screen);
}
