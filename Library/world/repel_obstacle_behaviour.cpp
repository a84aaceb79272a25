#include "Library/world/repel_obstacle_behaviour.h"

#include "Library/world/steering_entity.h"
#include "Library/world/vehicle.h"

#include <cmath>

Vector RepelObstacleBehaviour::Calculate() {
    const Vector& pos = m_vehicle.GetPosition();
    const float radius = m_vehicle.GetRadius();
    Vector force;
    for (const SteeringEntity* other : Neighbours(2.0f * radius, nullptr)) {
        const Vector offset = pos - other->GetPosition();
        const float reach = other->GetRadius() + radius + 1.0f;
        const float d2 = offset.LengthSquared();
        if (d2 != 0.0f && d2 < reach * reach)
            force += offset / std::cbrt(d2);
    }
    return MaskForceByWalkable(force);
}
