#include "Library/world/separation_behaviour.h"

#include "Library/world/steering_entity.h"
#include "Library/world/vehicle.h"

Vector SeparationBehaviour::Calculate() {
    const Vector& pos = m_vehicle.GetPosition();
    const float radius = m_vehicle.GetRadius();
    Vector force;
    for (const SteeringEntity* other : Neighbours(2.0f * radius, m_ignore)) {
        const Vector offset = pos - other->GetPosition();
        const float reach = 0.5f * (other->GetRadius() + radius) + 0.01f;
        const float d2 = offset.LengthSquared();
        if (d2 != 0.0f && d2 < reach * reach)
            force += offset / offset.Length();
    }
    return MaskForceByWalkable(force);
}
