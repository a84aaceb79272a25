#pragma once
// Attacks a creature blow after blow with the weapon in hand: walks into the weapon's
// reach when the target moves out of it, chases it out of sight, and ends when the target
// dies or is gone, the weapon is empty or no path can be found.

#include "Source/creatures/creature_command.h"

class AttackCommand : public CreatureCommand {
public:
    AttackCommand(SoldierEntity& owner, Entity* target) : AttackCommand(owner, kAttack, target) {}

    bool Update() override;
    void Describe(int x, int y, Screen& screen) const override;

protected:
    AttackCommand(SoldierEntity& owner, Id id, Entity* target);

    void DescribeTarget(int x, int y, Screen& screen, const char* name) const;

private:
    virtual void CountTime() {}
    virtual bool IsTimeUp() const { return false; }
    virtual State AfterBlow() const { return kStart; } // the next one
};
