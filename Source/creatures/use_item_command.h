#pragma once
// Walks within reach of what an item it carries is for and uses the item there; fails
// when the creature no longer carries the item or the use fails.

#include "Source/creatures/creature_command.h"

class UseItemCommand : public CreatureCommand {
public:
    bool Update() override;

protected:
    UseItemCommand(SoldierEntity& owner, Id id, Entity* item, State walking);

    // Uses the item when in reach (false) or walks there (true when a walk started).
    virtual bool ReachAndUse() = 0;

private:
    bool IsCarried();

    State m_walking;
};
