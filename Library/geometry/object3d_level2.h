#pragma once

#include "Library/geometry/object3d.h"

// Adds a turning orientation (angles about x, y and z, radians) with its own deceleration.
class Object3dLevel2 : public Object3d {
public:
    Object3dLevel2() { ResetLevel(); }
    explicit Object3dLevel2(const Vector& position) : Object3d(position) { ResetLevel(); }
    Object3dLevel2(const Vector& position, const Vector& velocity) : Object3d(position, velocity) {
        ResetLevel();
    }

    void Reset() override;
    void Update() override; // the move, then the turn

    const Vector& GetOrientation() const { return m_orientation; }
    void SetOrientation(const Vector& orientation) { m_orientation = orientation; }
    const Vector& GetAngularVelocity() const { return m_angularVelocity; }
    float GetAngularSpeed() const { return m_angularSpeed; }
    void SetAngularVelocity(const Vector& velocity);
    void AddAngularVelocity(const Vector& change) {
        SetAngularVelocity(m_angularVelocity + change);
    }
    float GetAngularDeceleration() const { return m_angularDeceleration; }
    void SetAngularDeceleration(float deceleration) { m_angularDeceleration = deceleration; }

private:
    void ResetLevel();

    Vector m_orientation;
    Vector m_angularVelocity;
    float m_angularSpeed = 0.0f;
    float m_angularDeceleration = 0.0f;
};
