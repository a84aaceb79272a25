#pragma once
// One blow, whatever it does.

#include "Source/creatures/attack_command.h"

class AttackOneRoundCommand : public AttackCommand {
public:
    AttackOneRoundCommand(SoldierEntity& owner, Entity* target)
        : AttackCommand(owner, kAttackOneRound, target) {}

    void Describe(int x, int y, Screen& screen) const override;

private:
    State AfterBlow() const override { return kEnd; }
};
