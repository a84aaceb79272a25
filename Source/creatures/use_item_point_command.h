#pragma once
// Uses an item at a point: its ability applied there, its time charged to the creature.

#include "Source/creatures/use_item_command.h"

class UseItemPointCommand : public UseItemCommand {
public:
    UseItemPointCommand(SoldierEntity& owner, Entity* item, const Vector& point)
        : UseItemCommand(owner, kUseItemPoint, item, kPathingToDest), m_point(point) {}

    void Describe(int x, int y, Screen& screen) const override;

private:
    bool ReachAndUse() override; // UseItemAtPoint

    Vector m_point;
};
