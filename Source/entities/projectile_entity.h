#pragma once
// A missile in flight: an arrow, a thrown knife or grenade, a magic missile, a fireball, or a
// fragment flying out of an explosion. It steers by its own vehicle toward the entity or the
// point it was launched at, carries a copy of the use that launched it, and where it arrives
// hands the use on: to its target, to an area or to an explosion. Bound for a point, it stops
// at the first cell nothing may walk through; pursuing an entity, only at the entity.
// Projectiles are never saved with a region.
//
// Record: the queued entity's; u8 byte; f32 speed; f64 angle offset (degrees, added to the
// launch heading); f64 launch angle (radians); f32 distance; u32 flight mode; u16 explosion
// kind; the vehicle's parameters (VehicleParameters). Loading shows "misc_1" of its set.

#include "Library/world/vehicle_parameters.h"
#include "Source/entities/entity_handle.h"
#include "Source/entities/gathered_entity_list.h"
#include "Source/entities/queued_entity.h"

#include <cstdint>
#include <memory>

class LaunchedAbility;
class TileMap;
class Vehicle;

class ProjectileEntity : public QueuedEntity {
public:
    static constexpr uint32_t kFlagActive = kFlagAlive; // cleared on arrival
    static constexpr float kDefaultDistance = 100.0f;

    enum FlightMode : uint32_t {
        kPursue = 0,    // the use's target entity
        kSeekPoint = 1, // the target point
        kFlyOut = 2,    // out of an explosion, the distance along the launch angle
    };

    ProjectileEntity();
    ~ProjectileEntity() override;

    // Blank and active: distance 100, every other value 0, no use, the vehicle at rest.
    void Init() override;
    bool Load(Stream& stream) override;
    bool Save(Stream& stream) const override;
    // One frame of flight; false once it has arrived (it is then released at the entity
    // manager's next update) and while it is not flying.
    bool Update(uint32_t frameMs) override;
    // Neither shown nor drawn once arrived, nor on the area map over unexplored cells; never
    // moused over. Drawn as a glow through the clip map.
    bool UpdateScreenPos(Screen& screen) override;
    bool Draw(Screen& screen) override;

    // Puts it on its manager's map at the position, bound for the point; without a map it
    // is released at once and the result is false.
    bool AddToManager(const Vector& position, const Vector& targetPoint);
    // Flies a copy of the use from its origin: at its target entity, or, without one, at
    // its target point.
    bool Launch(const LaunchedAbility& ability);
    bool LaunchFromExplosion(const Vector& position, float distance, double launchAngle);
    // Init, then the record's looks, flight values and vehicle parameters.
    void SetupFromRecord(const ProjectileEntity& record);

    void SetByte(uint8_t value) { m_byte = value; }
    void SetSpeed(float speed) { m_speed = speed; }
    void SetAngleOffset(double degrees) { m_angleOffset = degrees; }
    void SetLaunchAngle(double radians) { m_launchAngle = radians; }
    void SetDistance(float distance) { m_distance = distance; }
    void SetFlightMode(uint32_t mode) { m_flightMode = mode; }
    void SetExplosionKind(uint16_t kind) { m_explosionKind = kind; }
    void SetVehicleParameters(const VehicleParameters& parameters) { m_parameters = parameters; }
    // What an explosion gives its ring fragments: the start value is the speed, the target
    // values the angle they fly out along.
    void SetOwnerEntity(float startValue) { m_speed = startValue; }
    void SetTarget(double angle) { m_launchAngle = angle; }

    uint32_t GetFlightMode() const { return m_flightMode; }
    float GetSpeed() const { return m_speed; }
    const Vector& GetTargetPoint() const { return m_targetPoint; }
    bool IsActive() const { return HasAnyFlag(kFlagActive); }
    // The entities it was launched by, emptied by Init.
    const GatheredEntityList& GetExclusions() const { return m_exclusions; }

private:
    TileMap* GetMap() const; // the manager's, or null
    void FlightStep();       // aims the vehicle by the flight mode
    void SeekPoint();
    void FollowTarget(); // the target's position, or the last one once it is gone
    bool CheckHit(float frameSeconds);
    void Hit(Entity* target);
    void Land(ItemEntity& item, const Vector& point);
    void Explode(Entity* target);
    void ShowHeading(); // the sequence of a 16-way animation
    bool IsOverUnexplored() const;

    uint8_t m_byte = 0;
    float m_speed = 0.0f;
    double m_angleOffset = 0.0;
    double m_launchAngle = 0.0;
    float m_distance = kDefaultDistance;
    uint32_t m_flightMode = kPursue;
    uint16_t m_explosionKind = 0;
    Vector m_targetPoint;
    std::unique_ptr<LaunchedAbility> m_ability;
    EntityHandle m_target;
    GatheredEntityList m_exclusions;
    VehicleParameters m_parameters;
    std::unique_ptr<Vehicle> m_vehicle; // made on the first map it flies over
};
