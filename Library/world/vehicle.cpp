#include "Library/world/vehicle.h"

#include "Library/core/stream.h"
#include "Library/geometry/directions.h"
#include "Library/world/arrival_behaviour.h"
#include "Library/world/avoid_obstacle_behaviour.h"
#include "Library/world/avoid_walls_behaviour.h"
#include "Library/world/evasion_behaviour.h"
#include "Library/world/flee_behaviour.h"
#include "Library/world/follow_path_behaviour.h"
#include "Library/world/follow_walls_behaviour.h"
#include "Library/world/formation_behaviour.h"
#include "Library/world/group_behaviour.h"
#include "Library/world/pursuit_behaviour.h"
#include "Library/world/repel_obstacle_behaviour.h"
#include "Library/world/seek_behaviour.h"
#include "Library/world/separation_behaviour.h"
#include "Library/world/wander_behaviour.h"

#include <cmath>

namespace {

constexpr float kMinTurnSpeedSquared = 0.001f;

std::unique_ptr<SteeringBehaviour> MakeBehaviour(int kind, Vehicle& vehicle) {
    switch (kind) {
    case SteeringBehaviour::kSeek:
        return std::make_unique<SeekBehaviour>(vehicle);
    case SteeringBehaviour::kArrival:
        return std::make_unique<ArrivalBehaviour>(vehicle);
    case SteeringBehaviour::kFlee:
        return std::make_unique<FleeBehaviour>(vehicle);
    case SteeringBehaviour::kPursuit:
        return std::make_unique<PursuitBehaviour>(vehicle);
    case SteeringBehaviour::kEvasion:
        return std::make_unique<EvasionBehaviour>(vehicle);
    case SteeringBehaviour::kFormation:
        return std::make_unique<FormationBehaviour>(vehicle);
    case SteeringBehaviour::kSeparation:
        return std::make_unique<SeparationBehaviour>(vehicle);
    case SteeringBehaviour::kAvoidObstacle:
        return std::make_unique<AvoidObstacleBehaviour>(vehicle);
    case SteeringBehaviour::kRepelObstacle:
        return std::make_unique<RepelObstacleBehaviour>(vehicle);
    case SteeringBehaviour::kFollowPath:
        return std::make_unique<FollowPathBehaviour>(vehicle);
    case SteeringBehaviour::kAvoidWalls:
        return std::make_unique<AvoidWallsBehaviour>(vehicle);
    case SteeringBehaviour::kFollowWalls:
        return std::make_unique<FollowWallsBehaviour>(vehicle);
    case SteeringBehaviour::kWander:
        return std::make_unique<WanderBehaviour>(vehicle);
    case SteeringBehaviour::kGroup:
        return std::make_unique<GroupBehaviour>(vehicle);
    default:
        return nullptr;
    }
}

bool IsPresent(const Vector& force) {
    return force.x != 0.0f || force.y != 0.0f || force.z != 0.0f;
}

} // namespace

Vehicle::Vehicle(SteeringEntity& owner, const TileMap& map, SteeringWorld& world,
                 RandomSource& random)
    : m_owner(owner), m_map(map), m_world(world), m_random(random) {}

Vehicle::~Vehicle() = default;

void Vehicle::Reset() {
    m_maxSpeed = kDefaultMaxSpeed;
    m_maxForce = kDefaultMaxForce;
    m_mass = kDefaultMass;
    m_radius = kDefaultRadius;
    m_position.Zero();
    m_velocity.Zero();
    m_speed = 0.0f;
    RemoveAllBehaviours();
}

void Vehicle::SetParameters(float radius, float mass, float maxForce, float maxSpeed) {
    Reset();
    m_radius = radius;
    m_mass = mass;
    m_maxForce = maxForce;
    m_maxSpeed = maxSpeed;
}

void Vehicle::CopyParameters(const Vehicle& other) {
    SetParameters(other.m_radius, other.m_mass, other.m_maxForce, other.m_maxSpeed);
}

void Vehicle::SetParameters(const VehicleParameters& parameters) {
    SetParameters(parameters.radius, parameters.mass, parameters.maxForce, parameters.maxSpeed);
}

VehicleParameters Vehicle::GetParameters() const {
    return {m_radius, m_mass, m_maxForce, m_maxSpeed};
}

bool Vehicle::Read(Stream& stream) {
    VehicleParameters parameters;
    if (!parameters.Read(stream))
        return false;
    SetParameters(parameters);
    return true;
}

bool Vehicle::Write(Stream& stream) const {
    return GetParameters().Write(stream);
}

SteeringBehaviour* Vehicle::AddBehaviour(int kind) {
    m_resetSamples = true;
    m_steering = true;
    ClearForce();
    std::unique_ptr<SteeringBehaviour> behaviour = MakeBehaviour(kind, *this);
    if (!behaviour)
        return nullptr;
    m_slots[kind] = std::move(behaviour);
    return m_slots[kind].get();
}

SteeringBehaviour* Vehicle::GetBehaviour(int kind) const {
    return kind >= 0 && kind < SteeringBehaviour::kKindCount ? m_slots[kind].get() : nullptr;
}

void Vehicle::RemoveBehaviour(int kind) {
    if (kind >= 0 && kind < SteeringBehaviour::kKindCount)
        m_slots[kind].reset();
}

void Vehicle::RemoveAllBehaviours() {
    m_steering = false;
    for (std::unique_ptr<SteeringBehaviour>& slot : m_slots)
        slot.reset();
}

void Vehicle::ClearForce() {
    m_velocity.Zero();
    m_speed = 0.0f;
}

void Vehicle::SetHeadingFromDirection(int dir) {
    m_velocity.SetSpherical(std::sqrt(kMinTurnSpeedSquared), static_cast<float>(Dir8ToAngle(dir)),
                            0.0f);
    UpdateAxes();
}

void Vehicle::UpdateAxes() {
    if (m_velocity.LengthSquared() >= kMinTurnSpeedSquared)
        BuildAxes(m_velocity, Vector(0.0f, 0.0f, 1.0f), m_heading, m_up, m_side);
}

Vector Vehicle::ToWorld(const Vector& local) const {
    Vector world;
    PointToWorldSpace(m_side, m_up, m_heading, m_position, local, world);
    return world;
}

Vector Vehicle::ToLocal(const Vector& world) const {
    Vector local;
    PointToLocalSpace(m_side, m_up, m_heading, m_position, world, local);
    return local;
}

Vector Vehicle::VectorToWorld(const Vector& local) const {
    Vector world;
    PointToWorldSpace(m_side, m_up, m_heading, Vector(), local, world);
    return world;
}

Vector Vehicle::VectorToLocal(const Vector& world) const {
    Vector local;
    PointToLocalSpace(m_side, m_up, m_heading, Vector(), world, local);
    return local;
}

void Vehicle::DrawPath(Screen& screen) const {
    if (const SteeringBehaviour* follow = GetBehaviour(SteeringBehaviour::kFollowPath))
        follow->DebugDraw(screen);
}

Vector Vehicle::FirstPresent(std::initializer_list<int> kinds) {
    for (int kind : kinds) {
        if (SteeringBehaviour* behaviour = GetBehaviour(kind)) {
            const Vector force = behaviour->Calculate();
            if (IsPresent(force))
                return force;
        }
    }
    return Vector();
}

Vector Vehicle::AskWithChance(int kind, int percent) {
    SteeringBehaviour* behaviour = GetBehaviour(kind);
    return behaviour && m_random.Int(0, 100) < percent ? behaviour->Calculate() : Vector();
}

// The direct chasers first; then, for each kind of movement, wall and obstacle avoidance
// before the movement itself, obstacles 80 % and neighbours 65 % of the frames they are
// asked, so that no one force holds the vehicle for long.
Vector Vehicle::CalculateSteering() {
    using Kind = SteeringBehaviour::Kind;
    if (!m_steering) {
        m_velocity -= m_velocity * 0.1f;
        return Vector();
    }
    Vector force = FirstPresent({Kind::kPursuit, Kind::kSeek, Kind::kArrival});
    if (IsPresent(force))
        return force;
    SteeringBehaviour* mover = GetBehaviour(Kind::kFollowPath);
    if (mover) {
        force = FirstPresent({Kind::kAvoidWalls});
    } else if ((mover = GetBehaviour(Kind::kEvasion))) {
        SteeringBehaviour* avoidWalls = GetBehaviour(Kind::kAvoidWalls);
        SteeringBehaviour* followWalls = GetBehaviour(Kind::kFollowWalls);
        if (avoidWalls && followWalls)
            force = avoidWalls->Calculate() + followWalls->Calculate();
    } else if ((mover = GetBehaviour(Kind::kFormation))) {
        force = FirstPresent({Kind::kAvoidWalls});
    } else {
        return Vector();
    }
    if (!IsPresent(force))
        force = AskWithChance(Kind::kAvoidObstacle, 80);
    if (!IsPresent(force))
        force = AskWithChance(Kind::kSeparation, 65);
    return IsPresent(force) ? force : mover->Calculate();
}

void Vehicle::Update(uint32_t frameMs) {
    m_frameMs = frameMs;
    m_position.z = 0.0f;
    const Vector force = VectorTruncate(CalculateSteering(), m_maxForce);
    // A mass that is not positive (a zero from a stored record) counts as 1.
    const float mass = m_mass > 0.0f ? m_mass : 1.0f;
    m_velocity = VectorTruncate(m_velocity + force / mass, m_maxSpeed);
    m_speed = m_velocity.Length();
    SampleVelocity();
    m_position += m_velocity * GetFrameSeconds();
    m_position.z = 0.0f;
    UpdateAxes();
}

void Vehicle::SampleVelocity() {
    if (m_resetSamples) {
        m_resetSamples = false;
        m_sampleMs = 0;
        m_averageVelocity = m_velocity;
        for (Vector& sample : m_samples)
            sample = m_velocity;
    }
    m_sampleMs += m_frameMs;
    if (m_sampleMs < kSampleMs)
        return;
    m_sampleMs = 0;
    m_sampleIndex = (m_sampleIndex + 1) % kSampleCount;
    m_samples[m_sampleIndex] = m_velocity;
    m_averageVelocity = (m_samples[0] + m_samples[1] + m_samples[2] + m_samples[3]) / 4.0f;
}
