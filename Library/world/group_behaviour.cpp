#include "Library/world/group_behaviour.h"

#include "Library/world/steering_entity.h"
#include "Library/world/vehicle.h"

#include <cmath>

Vector GroupBehaviour::CalculateGroup() {
    constexpr float kHorizon = 5.0f; // seconds
    const Vector& pos = m_vehicle.GetPosition();
    const Vehicle* threat = nullptr;
    float closest = 0.0f;
    for (const SteeringEntity* other : Neighbours(200.0f * m_vehicle.GetRadius(), nullptr)) {
        const Vehicle* vehicle = other->GetVehicle();
        if (!vehicle)
            continue;
        const Vector p = pos - vehicle->GetPosition();
        const Vector v = m_vehicle.GetVelocity() - vehicle->GetVelocity();
        const float k = v.Dot(p);
        const float v2 = v.LengthSquared();
        if (k > -1e-7f || v2 < 1e-14f)
            continue; // not closing in
        const float t = -k / v2;
        if (t < kHorizon) {
            threat = vehicle;
            closest = p.LengthSquared() + (t * v2 + 2.0f * k) * t;
        }
    }
    if (!threat)
        return Vector();
    const Vector local = m_vehicle.ToLocal(threat->GetPosition());
    const Vector force(-(local.x == 0.0f ? 0.1f : local.x), 0.0f, 0.0f);
    // Exactly on a collision course the closest distance is 0: the push is left undivided.
    return closest > 0.0f ? force / std::sqrt(closest) : force;
}
