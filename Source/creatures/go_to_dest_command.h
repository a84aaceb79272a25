#pragma once
// Walks to a point; ends on arrival, or at once, failed, when no path can be planned.

#include "Source/creatures/creature_command.h"

class GoToDestCommand : public CreatureCommand {
public:
    GoToDestCommand(SoldierEntity& owner, const Vector& point)
        : GoToDestCommand(owner, kGoToDest, point) {}

    bool Update() override;
    void Describe(int x, int y, Screen& screen) const override;

protected:
    GoToDestCommand(SoldierEntity& owner, Id id, const Vector& point)
        : CreatureCommand(owner, id), m_point(point) {}

    const Vector& GetPoint() const { return m_point; }
    virtual Vector GetGoal() const { return m_point; }

private:
    Vector m_point;
};
