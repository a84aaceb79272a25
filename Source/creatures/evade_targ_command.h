#pragma once
// Keeps away from a creature or other entity until out of its sight range or time is up.

#include "Source/creatures/evade_command.h"

class EvadeTargCommand : public EvadeCommand {
public:
    EvadeTargCommand(SoldierEntity& owner, Entity* target, float seconds);

    void Describe(int x, int y, Screen& screen) const override;

private:
    bool IsOutOfDanger() const override;
    bool FleeOnce() override;
};
