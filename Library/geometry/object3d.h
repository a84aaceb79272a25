#pragma once

#include "Library/core/vector.h"

#include <cstdint>

// A moving point: position and velocity, the speed kept equal to the velocity's length,
// and a deceleration taken off the speed on every update. Base of the 3D object chain.
class Object3d {
public:
    Object3d() { ResetLevel(); }
    explicit Object3d(const Vector& position) : Object3d() { m_position = position; }
    Object3d(const Vector& position, const Vector& velocity) : Object3d(position) {
        SetVelocity(velocity);
    }
    Object3d(const Object3d&) = default;
    Object3d& operator=(const Object3d&) = default;
    virtual ~Object3d() = default;

    // Value and deceleration 0; the speed stays the velocity's length, so a moving object
    // keeps moving.
    virtual void Reset() { ResetLevel(); }
    // Moves by the velocity, then slows it by the deceleration (a speed falling below 0
    // turns the velocity round).
    virtual void Update();

    uint32_t GetValue() const { return m_value; }
    void SetValue(uint32_t value) { m_value = value; }
    float GetDeceleration() const { return m_deceleration; }
    void SetDeceleration(float deceleration) { m_deceleration = deceleration; }
    const Vector& GetPosition() const { return m_position; }
    void SetPosition(const Vector& position) { m_position = position; }
    void SetPosition(float x, float y, float z) { m_position.Set(x, y, z); }
    const Vector& GetVelocity() const { return m_velocity; }
    float GetSpeed() const { return m_speed; }
    void SetVelocity(const Vector& velocity);
    void SetVelocity(float x, float y, float z) { SetVelocity(Vector(x, y, z)); }
    void AddVelocity(const Vector& change) { SetVelocity(m_velocity + change); }
    void AddVelocity(float x, float y, float z) { AddVelocity(Vector(x, y, z)); }
    void Stop() { SetVelocity(Vector()); }
    Vector NextPosition() const { return m_position + m_velocity; }

protected:
    // Takes the deceleration off the speed and scales the velocity to it; the new speed.
    static float Decelerate(Vector& velocity, float speed, float deceleration);

private:
    void ResetLevel();

    Vector m_position;
    Vector m_velocity;
    uint32_t m_value = 0;
    float m_speed = 0.0f;
    float m_deceleration = 0.0f;
};
