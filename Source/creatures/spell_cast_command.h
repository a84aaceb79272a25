#pragma once
// What the spell commands share: the spell, from the registry, cast once the creature's
// action timer is still, and the wait while the creature casts. A command given no spell
// fails at once.

#include "Source/creatures/creature_command.h"
#include "Source/entities/event_arg.h"

class SpellAbility;

class SpellCastCommand : public CreatureCommand {
public:
    bool Update() override;

protected:
    SpellCastCommand(SoldierEntity& owner, Id id, const SpellAbility* spell)
        : CreatureCommand(owner, id), m_spell(spell) {}

    const SpellAbility& GetSpell() const { return *m_spell; }
    // The owner stopped and the cast posted: the spell's id, then b and c; "CASTING_SPELL".
    bool PostCast(int event, EventArg b, EventArg c);

private:
    // From "START": a cast or a walk into range started (true), or nothing (false).
    virtual bool Cast() = 0;
    // In a walking state: back to "START" once in range or the walk is over.
    virtual void WatchWalk() {}

    const SpellAbility* m_spell;
};
