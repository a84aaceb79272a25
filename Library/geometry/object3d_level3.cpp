#include "Library/geometry/object3d_level3.h"

void Object3dLevel3::Reset() {
    Object3dLevel2::Reset();
    m_force.Zero();
    m_torque.Zero();
}

void Object3dLevel3::Update() {
    AddAngularVelocity(m_torque);
    AddVelocity(m_force);
    m_force.Zero();
    m_torque.Zero();
    Object3dLevel2::Update();
}
