#pragma once
// Keeps away from a point until time is up.

#include "Source/creatures/evade_command.h"

class EvadePtCommand : public EvadeCommand {
public:
    EvadePtCommand(SoldierEntity& owner, const Vector& point, float seconds)
        : EvadeCommand(owner, kEvadePt, seconds), m_point(point) {}

    void Describe(int x, int y, Screen& screen) const override;

private:
    bool IsOutOfDanger() const override { return false; }
    bool FleeOnce() override { return FleeFromPoint(m_point, kFleeDistance); }

    Vector m_point;
};
