#pragma once
// Walks to an item lying on the map and picks it up; fails once someone else has taken it.

#include "Source/creatures/creature_command.h"

class CollectItemMapCommand : public CreatureCommand {
public:
    CollectItemMapCommand(SoldierEntity& owner, Entity* item);

    bool Update() override;
    void Describe(int x, int y, Screen& screen) const override;

private:
    bool IsAvailable(); // failed once it is gone
    // Picks it up when standing at it (false) or walks there (true when a walk started).
    bool CollectFromMap();
};
