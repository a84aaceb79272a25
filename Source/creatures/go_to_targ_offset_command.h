#pragma once
// Walks to a point offset from an entity; beside a creature it then faces the way that
// creature faces.

#include "Source/creatures/creature_command.h"

class GoToTargOffsetCommand : public CreatureCommand {
public:
    GoToTargOffsetCommand(SoldierEntity& owner, Entity* target, const Vector& offset);

    bool Update() override;
    void Describe(int x, int y, Screen& screen) const override;

private:
    Vector m_offset;
};
