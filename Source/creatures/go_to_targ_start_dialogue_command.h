#pragma once
// Walks up to someone to talk: a party member's approach tells the other's scripts, which
// may answer; anyone else's opens the other's dialogue.

#include "Source/creatures/creature_command.h"

class GoToTargStartDialogueCommand : public CreatureCommand {
public:
    GoToTargStartDialogueCommand(SoldierEntity& owner, Entity* target, float distance);

    bool Update() override;
    void Describe(int x, int y, Screen& screen) const override;

private:
    // Talks when close enough (false) or walks there (true when a walk started).
    bool TalkToTarget();
};
