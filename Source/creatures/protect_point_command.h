#pragma once
// Guards a point: while it stands within the radius of the point it attacks the nearest
// enemy wherever that is; otherwise it walks back to the point.

#include "Source/creatures/guard_command.h"

class ProtectPointCommand : public GuardCommand {
public:
    ProtectPointCommand(SoldierEntity& owner, const Vector& point, float radius);

    void Describe(int x, int y, Screen& screen) const override;

private:
    void Decide() override;
    bool KeepsReturning() override { return CheckWeapon() && IsMoving(); }

    Vector m_point;
};
