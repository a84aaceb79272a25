#pragma once
// Walks to within a range of an entity; one already there has arrived.

#include "Source/creatures/creature_command.h"

class GoToTargCommand : public CreatureCommand {
public:
    GoToTargCommand(SoldierEntity& owner, Entity* target, float range);

    bool Update() override;
    void Describe(int x, int y, Screen& screen) const override;
};
