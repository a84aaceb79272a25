#pragma once
// Guards something with the weapon in hand: attacks the enemy it chooses, comes back when
// there is none, and starts over after every blow. It runs until its weapon fails or what
// it guards is lost; an enemy that leaves the map is simply let go of.

#include "Source/creatures/creature_command.h"

class GuardCommand : public CreatureCommand {
public:
    bool Update() override;
    bool LostEntity() override;

protected:
    GuardCommand(SoldierEntity& owner, Id id);

private:
    virtual void Decide() = 0;         // "START" past the action timer
    virtual bool KeepsReturning() = 0; // on the way back
};
