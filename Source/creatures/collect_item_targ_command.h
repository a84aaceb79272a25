#pragma once
// Walks to a creature or a chest and takes an item it holds into the creature's
// inventory. Ends at once, done, when the creature carries the item already; fails when
// the holder no longer holds it or the item cannot be taken.

#include "Source/creatures/creature_command.h"

class CollectItemTargCommand : public CreatureCommand {
public:
    static constexpr float kTakeSeconds = 1.0f; // as long as a pick-up from the map

    CollectItemTargCommand(SoldierEntity& owner, Entity* item, Entity* holder);

    bool Update() override;
    void Describe(int x, int y, Screen& screen) const override;

private:
    bool IsStillToTake();
    // Takes it when standing at the holder (false) or walks there (true when a walk started).
    bool CollectFromTarget();
    bool TakeFromHolder();
};
