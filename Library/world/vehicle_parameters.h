#pragma once
// What makes one vehicle unlike another, apart from where it is and how it moves: the
// record entities keep it by, also while they have no vehicle on a map.
//
// Record: f32 radius, f32 mass, f32 max force, f32 max speed, little-endian.

class Stream;

struct VehicleParameters {
    static constexpr float kDefaultMass = 1.0f;
    static constexpr float kDefaultRadius = 5.0f;
    static constexpr float kDefaultMaxForce = 10.0f;
    static constexpr float kDefaultMaxSpeed = 10.0f;

    float radius = kDefaultRadius;
    float mass = kDefaultMass;
    float maxForce = kDefaultMaxForce;
    float maxSpeed = kDefaultMaxSpeed;

    // A short record or one with a value that is not finite fails, changing nothing.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;
};
