#pragma once
// One random walk of 1 to 4 units; scripts repeat it to keep a creature wandering.

#include "Source/creatures/creature_command.h"

class WanderCommand : public CreatureCommand {
public:
    explicit WanderCommand(SoldierEntity& owner) : CreatureCommand(owner, kWander) {}

    bool Update() override;
    void Describe(int x, int y, Screen& screen) const override;
};
