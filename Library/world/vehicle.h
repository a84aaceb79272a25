#pragma once
// The moving body of a creature or a projectile: a point mass on the map plane with a
// velocity, a local frame (local x along side, y along up, z along heading) and at most one
// steering behaviour of each kind, each in the slot of its kind. Once a frame Update asks
// the behaviours for a force, chooses among them by a fixed priority with random
// dithering, and moves.
//
// Parameter record, inside an entity's stored data: f32 radius, f32 mass, f32 max force,
// f32 max speed, little-endian.

#include "Library/core/vector.h"
#include "Library/world/random_source.h"
#include "Library/world/steering_behaviour.h"
#include "Library/world/vehicle_parameters.h"

#include <cstdint>
#include <initializer_list>
#include <memory>

class Screen;
class SteeringEntity;
class SteeringWorld;
class Stream;
class TileMap;

class Vehicle {
public:
    static constexpr float kDefaultMass = VehicleParameters::kDefaultMass;
    static constexpr float kDefaultRadius = VehicleParameters::kDefaultRadius;
    static constexpr float kDefaultMaxForce = VehicleParameters::kDefaultMaxForce;
    static constexpr float kDefaultMaxSpeed = VehicleParameters::kDefaultMaxSpeed;

    // All must outlive the vehicle.
    Vehicle(SteeringEntity& owner, const TileMap& map, SteeringWorld& world,
            RandomSource& random = RandomSource::Runtime());
    Vehicle(const Vehicle&) = delete;
    Vehicle& operator=(const Vehicle&) = delete;
    ~Vehicle();

    // Default parameters, standing still at the origin, no behaviours.
    void Reset();
    void SetParameters(float radius, float mass, float maxForce, float maxSpeed); // after a reset
    void SetParameters(const VehicleParameters& parameters);                      // the same
    VehicleParameters GetParameters() const;
    void CopyParameters(const Vehicle& other);
    // The parameter record. A short record or one with a value that is not finite fails
    // and leaves the vehicle as it was; a good one resets the vehicle first.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

    // Stops the vehicle, starts steering and puts a new behaviour of that kind in its
    // slot; kinds that have none (0, 6, 9, 10, 17, 18 and above 19) leave the slots as
    // they were. The new behaviour, or null.
    SteeringBehaviour* AddBehaviour(int kind);
    SteeringBehaviour* GetBehaviour(int kind) const; // null when the slot is empty
    // The behaviour in the slot of Behaviour's kind, or null.
    template <class Behaviour> Behaviour* Find() const {
        return static_cast<Behaviour*>(GetBehaviour(Behaviour::kKind));
    }
    void RemoveBehaviour(int kind);
    void RemoveAllBehaviours(); // and steering stops: the vehicle coasts to a halt

    void ClearForce(); // velocity and speed zero
    Vector PointAhead(float seconds) const { return m_position + m_velocity * seconds; }
    Vector PointAlongMotion(float distance) const {
        return m_position + VectorNormalized(m_velocity) * distance;
    }
    // Turns the frame to face an 8-way direction by a velocity too small to move.
    void SetHeadingFromDirection(int dir);
    void UpdateAxes(); // the frame follows the velocity unless the vehicle all but stands

    Vector ToWorld(const Vector& local) const;
    Vector ToLocal(const Vector& world) const;
    Vector VectorToWorld(const Vector& local) const;
    Vector VectorToLocal(const Vector& world) const;

    Vector CalculateSteering();
    void DrawPath(Screen& screen) const; // the path being followed, when there is one
    void Update(uint32_t frameMs);       // one frame of motion

    SteeringEntity& GetOwner() const { return m_owner; }
    const TileMap& GetMap() const { return m_map; }
    SteeringWorld& GetWorld() const { return m_world; }
    RandomSource& GetRandom() const { return m_random; }
    uint32_t GetFrameMs() const { return m_frameMs; } // of the frame being updated
    float GetFrameSeconds() const { return static_cast<float>(m_frameMs) * 0.001f; }

    const Vector& GetPosition() const { return m_position; }
    void SetPosition(const Vector& position) { m_position = position; }
    const Vector& GetVelocity() const { return m_velocity; }
    void SetVelocity(const Vector& velocity) { m_velocity = velocity; }
    float GetSpeed() const { return m_speed; }
    float GetRadius() const { return m_radius; }
    void SetRadius(float radius) { m_radius = radius; }
    float GetMass() const { return m_mass; }
    float GetMaxForce() const { return m_maxForce; }
    void SetMaxForce(float maxForce) { m_maxForce = maxForce; }
    float GetMaxSpeed() const { return m_maxSpeed; }
    void SetMaxSpeed(float maxSpeed) { m_maxSpeed = maxSpeed; }
    const Vector& GetHeading() const { return m_heading; }
    const Vector& GetSide() const { return m_side; }
    const Vector& GetAverageVelocity() const { return m_averageVelocity; } // of 4 samples
    bool IsSteering() const { return m_steering; }

private:
    static constexpr int kSampleCount = 4;
    static constexpr uint32_t kSampleMs = 100;

    Vector FirstPresent(std::initializer_list<int> kinds);
    Vector AskWithChance(int kind, int percent); // zero when the slot is empty or the draw fails
    void SampleVelocity();

    SteeringEntity& m_owner;
    const TileMap& m_map;
    SteeringWorld& m_world;
    RandomSource& m_random;
    std::unique_ptr<SteeringBehaviour> m_slots[SteeringBehaviour::kKindCount];
    float m_mass = kDefaultMass;
    float m_radius = kDefaultRadius;
    Vector m_position;
    Vector m_velocity;
    float m_maxForce = kDefaultMaxForce;
    float m_maxSpeed = kDefaultMaxSpeed;
    float m_speed = 0.0f;
    Vector m_side{1.0f, 0.0f, 0.0f}; // facing up the screen until the vehicle first moves
    Vector m_up{0.0f, 0.0f, 1.0f};
    Vector m_heading{0.0f, -1.0f, 0.0f};
    Vector m_averageVelocity;
    uint32_t m_sampleMs = 0;
    int m_sampleIndex = 0;
    bool m_resetSamples = false;
    Vector m_samples[kSampleCount];
    bool m_steering = false;
    uint32_t m_frameMs = 0;
};
