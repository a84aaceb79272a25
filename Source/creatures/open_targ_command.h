#pragma once
// Walks up to a door, a chest or a creature's body and uses it (a body opens for looting).
// One whose state is changing already is left alone: the command ends at once, done.

#include "Source/creatures/creature_command.h"

class OpenTargCommand : public CreatureCommand {
public:
    static constexpr float kRange = 2.0f;

    OpenTargCommand(SoldierEntity& owner, Entity* target, int argument);

    bool Update() override;
    void Describe(int x, int y, Screen& screen) const override;

private:
    bool IsSettled() const; // its state is not changing
    // Uses it when close enough (false) or walks there (true when a walk started).
    bool OpenTarget();

    int m_argument;
};
