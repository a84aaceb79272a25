#pragma once
// Holds its place as the plain command does, under its own name: it never ends by itself.

#include "Source/creatures/creature_command.h"

class ChargeCommand : public CreatureCommand {
public:
    explicit ChargeCommand(SoldierEntity& owner) : CreatureCommand(owner, kCharge) {}

    void Describe(int x, int y, Screen& screen) const override;
};
