#include "Library/geometry/object3d.h"

void Object3d::ResetLevel() {
    m_value = 0;
    m_speed = m_velocity.Length();
    m_deceleration = 0.0f;
}

void Object3d::SetVelocity(const Vector& velocity) {
    m_velocity = velocity;
    m_speed = velocity.Length();
}

float Object3d::Decelerate(Vector& velocity, float speed, float deceleration) {
    const float length = velocity.Length();
    if (length == 0.0f)
        return 0.0f;
    velocity *= (speed - deceleration) / length;
    return velocity.Length();
}

void Object3d::Update() {
    m_position += m_velocity;
    m_speed = Decelerate(m_velocity, m_speed, m_deceleration);
}
