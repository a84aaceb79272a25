#include "Library/world/steering_behaviour.h"

#include "Library/core/stringc.h"
#include "Library/graphics/screen.h"
#include "Library/world/steering_entity.h"
#include "Library/world/steering_world.h"
#include "Library/world/tile_map.h"
#include "Library/world/vehicle.h"

#include <algorithm>

const char* SteeringBehaviour::KindName(int kind) {
    static const char* const kNames[kKindCount] = {
        "NONE",           "SEEK_STEERING_BEHAVIOUR",
        "ARRIVAL",        "FLEE",
        "PURSUIT",        "EVASION",
        "OFFSET",         "FORMATION",
        "SEPARATION",     "COHESION",
        "ALIGNMENT",      "AVOID_OBSTACLE",
        "REPEL_OBSTACLE", "FOLLOW_PATH",
        "AVOID_WALLS",    "FOLLOW_WALLS",
        "WANDER",         "INTERPOSE",
        "HIDE",           "UCA",
    };
    return kind >= 0 && kind < kKindCount ? kNames[kind] : "";
}

void SteeringBehaviour::DebugPrint(int x, int y, Screen& screen) const {
    screen.DrawText(x, y, Stringc(KindName(m_kind)));
}

Vector SteeringBehaviour::Seek(const Vector& target) const {
    const Vector desired =
        VectorNormalized(target - m_vehicle.GetPosition()) * m_vehicle.GetMaxSpeed();
    return desired - m_vehicle.GetVelocity();
}

// At the target itself the wanted speed is 0, so the force only stops the vehicle.
Vector SteeringBehaviour::Arrive(const Vector& target) const {
    const Vector offset = target - m_vehicle.GetPosition();
    const float distance = offset.Length();
    if (distance <= 0.0f)
        return -m_vehicle.GetVelocity();
    const float speed = std::min(4.0f * distance, m_vehicle.GetMaxSpeed());
    return offset * (speed / distance) - m_vehicle.GetVelocity();
}

Vector SteeringBehaviour::MaskForceByWalkable(const Vector& force) const {
    const Vector ahead = m_vehicle.GetOwner().GetPosition() + VectorNormalized(force);
    return m_vehicle.GetMap().IsWalkableAt(ahead) ? force : Vector();
}

const std::vector<SteeringEntity*>& SteeringBehaviour::Neighbours(float distance,
                                                                  const SteeringEntity* ignore) {
    m_vehicle.GetWorld().GetPoolInArea(m_vehicle.GetPosition(), distance, m_neighbours);
    const SteeringEntity* owner = &m_vehicle.GetOwner();
    m_neighbours.erase(std::remove_if(m_neighbours.begin(), m_neighbours.end(),
                                      [owner, ignore](const SteeringEntity* entity) {
                                          return entity == owner || entity == ignore;
                                      }),
                       m_neighbours.end());
    return m_neighbours;
}

Vector SteeringBehaviour::PushAway(const SteeringEntity* ignore, float scale, float margin,
                                   float (*divisor)(float)) {
    const Vector& pos = m_vehicle.GetPosition();
    const float radius = m_vehicle.GetRadius();
    Vector force;
    for (const SteeringEntity* other : Neighbours(2.0f * radius, ignore)) {
        const Vector offset = pos - other->GetPosition();
        const float reach = scale * (other->GetRadius() + radius) + margin;
        const float d2 = offset.LengthSquared();
        if (d2 != 0.0f && d2 < reach * reach)
            force += offset / divisor(d2);
    }
    return MaskForceByWalkable(force);
}
