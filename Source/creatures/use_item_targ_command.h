#pragma once
// Uses an item on an entity: a creature's scripts or a map object hear of it.

#include "Source/creatures/use_item_command.h"

class UseItemTargCommand : public UseItemCommand {
public:
    UseItemTargCommand(SoldierEntity& owner, Entity* item, Entity* target);

    void Describe(int x, int y, Screen& screen) const override;

private:
    bool ReachAndUse() override; // UseItemOnTarget
};
