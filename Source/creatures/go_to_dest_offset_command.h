#pragma once
// Walks to a point moved by an offset.

#include "Source/creatures/go_to_dest_command.h"

class GoToDestOffsetCommand : public GoToDestCommand {
public:
    GoToDestOffsetCommand(SoldierEntity& owner, const Vector& point, const Vector& offset)
        : GoToDestCommand(owner, kGoToDestOffset, point), m_offset(offset) {}

    void Describe(int x, int y, Screen& screen) const override;

private:
    Vector GetGoal() const override { return GetPoint() + m_offset; }

    Vector m_offset;
};
