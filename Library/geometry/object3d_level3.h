#pragma once

#include "Library/geometry/object3d_level2.h"

// Adds a force and a torque, applied to the velocities once on the next update.
class Object3dLevel3 : public Object3dLevel2 {
public:
    using Object3dLevel2::Object3dLevel2;

    void Reset() override;
    void Update() override;

    const Vector& GetForce() const { return m_force; }
    void SetForce(const Vector& force) { m_force = force; }
    const Vector& GetTorque() const { return m_torque; }
    void SetTorque(const Vector& torque) { m_torque = torque; }

private:
    Vector m_force;
    Vector m_torque;
};
