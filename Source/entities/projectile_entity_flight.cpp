// A projectile's flight: launching, aiming, the frame, the hit test and arrival.
#include "Source/entities/projectile_entity.h"

#include "Library/geometry/circle_tests.h"
#include "Library/geometry/directions.h"
#include "Library/world/seek_behaviour.h"
#include "Library/world/steering_world.h"
#include "Library/world/tile_map.h"
#include "Library/world/vehicle.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/launched_ability.h"

namespace {

constexpr double kDegreesToRadians = 0.0174532925199;
constexpr float kHitMargin = 0.5f;
constexpr int kSixteenWay = 16;

// Projectiles steer alone: no neighbours to keep clear of, no paths to plan.
class OpenSky : public SteeringWorld {
public:
    bool GetPoolInArea(const Vector&, float, std::vector<SteeringEntity*>& selected) override {
        selected.clear();
        return false;
    }
    bool CanStandAt(SteeringEntity&, const Vector&) override { return true; }
    bool IsPlaceOccupied(SteeringEntity&, const Vector&) override { return false; }
    bool PlanPathToPoint(SteeringEntity&, const Vector&) override { return false; }
    bool PlanPathToEntity(SteeringEntity&, SteeringEntity&, float) override { return false; }
    void StoreSoldierAnchor(SteeringEntity&) override {}
};

OpenSky g_openSky;

} // namespace

bool ProjectileEntity::AddToManager(const Vector& position, const Vector& targetPoint) {
    SetPosition(position);
    m_targetPoint = targetPoint;
    TileMap* map = GetMap();
    if (map == nullptr || !map->AddObject(this)) {
        if (GetManager() != nullptr)
            GetManager()->ReleaseEntity(this);
        return false;
    }
    if (!m_vehicle || &m_vehicle->GetMap() != map)
        m_vehicle = std::make_unique<Vehicle>(*this, *map, g_openSky);
    m_vehicle->SetParameters(m_parameters);
    m_vehicle->SetPosition(position);
    return true;
}

// A use without a target entity flies at its point; one whose target is gone before the
// launch as well.
bool ProjectileEntity::Launch(const LaunchedAbility& ability) {
    m_ability = ability.Clone();
    if (!AddToManager(ability.GetOrigin(), ability.GetTargetPoint()))
        return false;
    if (!m_exclusions.Holds(ability.GetUser()))
        m_exclusions.Add(ability.GetUser());
    m_target = EntityHandle(ability.GetTarget());
    m_flightMode = m_target.Get(*GetManager()) != nullptr ? kPursue : kSeekPoint;
    FlightStep();
    return true;
}

bool ProjectileEntity::LaunchFromExplosion(const Vector& position, float distance,
                                           double launchAngle) {
    if (!AddToManager(position, Vector()))
        return false;
    m_distance = distance;
    m_launchAngle = launchAngle;
    m_flightMode = kFlyOut;
    FlightStep();
    return true;
}

void ProjectileEntity::SeekPoint() {
    if (SteeringBehaviour* seek = m_vehicle->AddBehaviour(SteeringBehaviour::kSeek))
        static_cast<SeekBehaviour*>(seek)->SetTarget(m_targetPoint);
}

// A pursued target is sought where it stands, frame by frame: a creature's vehicle follows
// it only while it walks.
void ProjectileEntity::FlightStep() {
    const Vector& position = GetPosition();
    m_vehicle->SetPosition(position);
    m_vehicle->RemoveAllBehaviours();
    switch (m_flightMode) {
    case kPursue:
        if (const Entity* target = m_target.Get(*GetManager()))
            m_targetPoint = target->GetPosition();
        SeekPoint();
        break;
    case kFlyOut: {
        Vector out;
        out.SetSpherical(m_distance, static_cast<float>(m_launchAngle), 0.0f);
        m_targetPoint = position + out;
        SeekPoint();
        break;
    }
    default:
        SeekPoint();
        break;
    }
    float length = 0.0f;
    float heading = 0.0f;
    float elevation = 0.0f;
    (m_targetPoint - position).ToSpherical(length, heading, elevation);
    if (m_speed > 0.0f)
        m_vehicle->SetMaxSpeed(m_speed);
    Vector velocity;
    velocity.SetSpherical(m_speed, static_cast<float>(heading + m_angleOffset * kDegreesToRadians),
                          0.0f);
    m_vehicle->SetVelocity(velocity);
    m_vehicle->UpdateAxes();
}

void ProjectileEntity::FollowTarget() {
    if (const Entity* target = m_target.Get(*GetManager())) {
        m_targetPoint = target->GetPosition();
        if (SeekBehaviour* seek = m_vehicle->Find<SeekBehaviour>())
            seek->SetTarget(m_targetPoint);
        return;
    }
    m_target = EntityHandle();
    if (m_ability)
        m_ability->ForgetTarget();
    m_flightMode = kSeekPoint;
    FlightStep();
}

bool ProjectileEntity::Update(uint32_t frameMs) {
    if (!QueuedEntity::Update(frameMs) || !IsActive() || !m_vehicle || GetMap() == nullptr)
        return false;
    if (m_flightMode == kPursue)
        FollowTarget();
    m_vehicle->SetPosition(GetPosition());
    m_vehicle->Update(frameMs);
    if (CheckHit(static_cast<float>(frameMs) * 0.001f)) {
        RemoveFlags(kFlagActive);
        GetManager()->ScheduleRelease(this);
        return false;
    }
    ShowHeading();
    TileMap* map = GetMap();
    map->RemoveObject(this);
    SetPosition(m_vehicle->GetPosition());
    map->AddObject(this);
    return true;
}

void ProjectileEntity::ShowHeading() {
    if (GetDirectionCount() == 1) {
        SetDirection(0);
    } else if (GetDirectionCount() == kSixteenWay) {
        const Vector& heading = m_vehicle->GetHeading();
        SetDirection(AngleToDir16(heading.Heading()));
    }
}

// A pursuing projectile arrives only at its target's circle; one bound for a point at the
// point or past it, and at the first cell on its way that nothing may walk through,
// whichever comes first.
bool ProjectileEntity::CheckHit(float frameSeconds) {
    const Vector here = m_vehicle->GetPosition();
    const Vector ahead = m_vehicle->PointAhead(frameSeconds);
    switch (m_flightMode) {
    case kPursue: {
        Entity* target = m_target.Get(*GetManager());
        const float reach = frameSeconds * m_vehicle->GetSpeed() + kHitMargin;
        if (target == nullptr || !PointNearCircle(ahead, reach, *target))
            return false;
        Hit(target);
        return true;
    }
    case kSeekPoint:
    case kFlyOut: {
        const Vector fromHere = here - m_targetPoint;
        const Vector fromAhead = ahead - m_targetPoint;
        const bool approaching = fromAhead.Length() <= fromHere.Length();
        const bool notPassed = fromHere.Dot(fromAhead) >= 0.0f;
        if (approaching && notPassed && GetMap()->WalkLineB(GetPosition(), ahead))
            return false;
        Hit(nullptr);
        return true;
    }
    default:
        return false;
    }
}

// Fragments of an explosion carry nothing.
void ProjectileEntity::Hit(Entity* target) {
    if (m_flightMode == kFlyOut || !m_ability)
        return;
    if (ItemEntity* item = m_ability->GetItem()) {
        item->RemoveFlags(kFlagUnsearchable);
        if (m_ability->GetDelivery() == LaunchedAbility::kDeliveryLands)
            Land(*item, target ? target->GetPosition() : GetPosition());
        else if (m_ability->GetDelivery() == LaunchedAbility::kDeliveryReturns)
            m_ability->ReturnToHand(*item);
    }
    Explode(target);
}

void ProjectileEntity::Land(ItemEntity& item, const Vector& point) {
    item.SetPosition(point);
    item.LoadIcon2();
    GetMap()->AddObject(&item);
}

// An explosion made here takes the use over and ends it; otherwise the use ends here.
void ProjectileEntity::Explode(Entity* target) {
    const Vector point = target ? target->GetPosition() : GetPosition();
    m_ability->SetOrigin(point);
    m_ability->SetTargetPoint(point);
    if (m_ability->GetAreaRadius() > 0.0f) {
        if (m_ability->StartExplosion(m_explosionKind))
            return;
        m_ability->ApplyInRadius();
    } else {
        m_ability->ApplyToTarget(target);
    }
    m_ability->Finish();
}
