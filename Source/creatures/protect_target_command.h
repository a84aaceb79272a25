#pragma once
// Guards a creature: attacks whoever attacked it, else the nearest enemy, and otherwise
// keeps it in sight. The two note in their records of targets who guards whom.

#include "Source/creatures/guard_command.h"

class ProtectTargetCommand : public GuardCommand {
public:
    static constexpr float kReturnRange = 2.0f;

    ProtectTargetCommand(SoldierEntity& owner, Entity* guarded);

    void Describe(int x, int y, Screen& screen) const override;

private:
    void Decide() override;
    bool KeepsReturning() override;
    SoldierEntity* Guarded() const; // null once it is no soldier of the manager's
    bool ChooseEnemy(SoldierEntity& guarded);
};
