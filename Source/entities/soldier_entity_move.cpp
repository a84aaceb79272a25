// A soldier's movement on its vehicle and what it sets off where it steps.
#include "Source/entities/soldier_entity.h"

#include "Library/core/game_mode_id.h"
#include "Library/geometry/directions.h"
#include "Library/world/tile_map.h"
#include "Library/world/vehicle.h"
#include "Library/world/vehicle_controller.h"
#include "Source/entities/creature_parts.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/map_object.h"
#include "Source/entities/view_transform.h"

namespace {

constexpr float kWalkingSpeed = 0.7f; // faster than this a creature shows its walk

// Whether the point lies on a cell of the map, its coordinates taken toward zero as the
// cells count them; a NaN or a far point lies on none.
bool IsOnMapCells(const TileMap& map, const Vector& point) {
    return point.x > -1.0f && point.y > -1.0f && point.x < static_cast<float>(map.GetWidth()) &&
           point.y < static_cast<float>(map.GetHeight());
}

struct Pace {
    float speed;
    float force;
};

} // namespace

void SoldierEntity::SyncVehicle() {
    m_vehicle->SetPosition(GetPosition());
    m_vehicle->SetRadius(GetRadius());
}

void SoldierEntity::MoveStep(uint32_t frameMs) {
    if (m_vehicle == nullptr)
        return;
    SyncVehicle();
    const EntityOrder* order = GetCurrentOrder();
    const bool wounded = m_creature != nullptr && m_creature->GetHitPoints() <= 0.0f;
    if ((m_vehicle->GetSpeed() > 0.0f && wounded) ||
        (order != nullptr && order->kind > kOrderApproach)) {
        StopMoving();
        return;
    }
    ApplyMoveSpeed();
    m_controller->Update();
    m_vehicle->Update(frameMs);
    if (m_vehicle->GetSpeed() == 0.0f)
        return;
    TileMap* map = GetManager()->GetTileMap();
    const Vector next = m_vehicle->GetPosition();
    if (!IsOnMapCells(*map, next)) {
        m_vehicle->SetPosition(GetPosition());
        m_vehicle->ClearForce();
        return;
    }
    if (!map->RemoveObject(this))
        return;
    SetPosition(next);
    if (map->AddObject(this))
        UpdateWalkFacing();
}

void SoldierEntity::ApplyMoveSpeed() {
    Pace pace;
    switch (CurrentModeId()) {
    case kModeAreaMap:
        pace = {m_running ? 6.0f : 4.0f, 3.0f};
        break;
    case kModeWorldMap:
        pace = m_running ? Pace{2.0f, 2.0f} : Pace{1.0f, 1.0f};
        break;
    default:
        return;
    }
    m_vehicle->SetMaxSpeed(pace.speed);
    m_vehicle->SetMaxForce(pace.force);
}

// A walking creature that turns changes its facing and keeps its walk.
void SoldierEntity::UpdateWalkFacing() {
    const int direction = AngleToDir16(m_vehicle->GetVelocity().Heading());
    SetDirection(direction / 2);
    if (m_vehicle->GetSpeed() > kWalkingSpeed) {
        m_walkDirection = direction;
        SetState(kStateWalking);
    } else {
        SetState(kStateStanding);
    }
}

// Travel exits before traps; the first touch after a placement fires nothing, and a
// trigger fires again only once the creature has stepped off it.
void SoldierEntity::TouchMapObjects() {
    Entity* trigger = TouchMapObjectAt(kMapObjectTravel);
    if (trigger == nullptr)
        trigger = TouchMapObjectAt(kMapObjectTrap);
    if (trigger == nullptr) {
        m_lastTouched = nullptr;
    } else if (trigger != m_lastTouched) {
        m_lastTouched = trigger;
        MapObject* mapObject = nullptr;
        if (m_justPlaced == 0 && Entity::GetMapObject(trigger, &mapObject))
            mapObject->Activate(*this);
    }
    m_justPlaced = 0;
}

Entity* SoldierEntity::TouchMapObjectAt(uint32_t kind) {
    EntityMgr* manager = GetManager();
    return manager ? manager->FindMapObjectAt(kTypeTrigger, kind, GetPosition()) : nullptr;
}
