#include "Library/geometry/object3d_level2.h"

void Object3dLevel2::ResetLevel() {
    m_angularSpeed = m_angularVelocity.Length();
    m_angularDeceleration = 0.0f;
}

void Object3dLevel2::Reset() {
    Object3d::Reset();
    ResetLevel();
}

void Object3dLevel2::SetAngularVelocity(const Vector& velocity) {
    m_angularVelocity = velocity;
    m_angularSpeed = velocity.Length();
}

void Object3dLevel2::Update() {
    Object3d::Update();
    m_orientation += m_angularVelocity;
    m_angularSpeed = Decelerate(m_angularVelocity, m_angularSpeed, m_angularDeceleration);
}
