#pragma once
// Casts a spell that needs no target, with its number.

#include "Source/creatures/spell_cast_command.h"

class SpellCommand : public SpellCastCommand {
public:
    SpellCommand(SoldierEntity& owner, const SpellAbility* spell, int number)
        : SpellCastCommand(owner, kSpell, spell), m_number(number) {}
    void Describe(int x, int y, Screen& screen) const override;

private:
    bool Cast() override; // CastSpell

    int m_number;
};
