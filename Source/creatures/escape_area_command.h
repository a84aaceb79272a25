#pragma once
// Runs 20 units from the danger: the nearest enemy while combat goes on, else the party's
// active member. With the leave flag the creature then leaves the map, whether it got
// away or not. A creature that escapes is never saved with the region.

#include "Source/creatures/creature_command.h"

class EscapeAreaCommand : public CreatureCommand {
public:
    static constexpr float kFleeDistance = 20.0f;

    EscapeAreaCommand(SoldierEntity& owner, bool leave);

    bool Update() override;
    void Describe(int x, int y, Screen& screen) const override;

private:
    Vector m_point; // the danger; (0, 0, 0) with none
    bool m_leave;
};
