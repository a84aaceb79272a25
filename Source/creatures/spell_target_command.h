#pragma once
// Walks within the spell's range of a creature or other entity and casts on it.

#include "Source/creatures/spell_cast_command.h"

class SpellTargetCommand : public SpellCastCommand {
public:
    SpellTargetCommand(SoldierEntity& owner, const SpellAbility* spell, Entity* target, int number);
    void Describe(int x, int y, Screen& screen) const override;

private:
    bool Cast() override; // CastSpellOnTarget
    void WatchWalk() override;

    int m_number;
};
