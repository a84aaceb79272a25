#include "Library/world/avoid_obstacle_behaviour.h"

#include "Library/world/steering_entity.h"
#include "Library/world/vehicle.h"

#include <cfloat>
#include <cmath>

Vector AvoidObstacleBehaviour::Calculate() {
    const Vector& pos = m_vehicle.GetPosition();
    const float radius = m_vehicle.GetRadius();
    const float boxLength =
        (m_vehicle.PointAhead(2.0f * m_vehicle.GetFrameSeconds()) - pos).Length() + radius / 2.0f;
    float nearest = FLT_MAX;
    float lateral = 0.0f;
    bool found = false;
    for (const SteeringEntity* other : Neighbours(boxLength, m_ignore)) {
        const float reach = radius + other->GetRadius();
        const Vector local = m_vehicle.ToLocal(other->GetPosition());
        if (local.z <= 0.0f || local.z - other->GetRadius() > boxLength ||
            std::fabs(local.x) >= reach)
            continue;
        const float c = local.z, s = local.x;
        const float q = std::sqrt((2.0f * c) * (2.0f * c) - (c * c + s * s - reach * reach));
        const float hit = 2.0f * c - q > 0.0f ? 2.0f * c - q : 2.0f * c + q;
        if (hit >= 0.0f && hit < nearest) {
            nearest = hit;
            lateral = -(local.x == 0.0f ? 0.1f : local.x);
            found = true;
        }
    }
    if (!found)
        return Vector();
    const float sign = lateral < 0.0f ? -1.0f : 1.0f;
    const Vector local(sign * m_vehicle.GetMaxForce() / std::sqrt(nearest), 0.0f, 0.0f);
    return MaskForceByWalkable(m_vehicle.VectorToWorld(local));
}
