#include "Library/world/evasion_behaviour.h"

#include "Library/world/vehicle.h"

Vector EvasionBehaviour::Calculate() {
    if (!m_threat)
        return Vector();
    const Vector& pos = m_vehicle.GetPosition();
    const Vector& threat = m_threat->GetPosition();
    // The look-ahead grows with the distance and shrinks with the threat's top speed; a
    // threat that cannot move is taken where it stands.
    const float threatSpeed = m_threat->GetMaxSpeed();
    const float lookAhead = threatSpeed > 0.0f ? (pos - threat).Length() / threatSpeed *
                                                     m_vehicle.GetFrameSeconds() * 0.33333334f
                                               : 0.0f;
    const Vector predicted = m_threat->PointAhead(lookAhead);
    const bool closing = (predicted - threat).Dot(pos - threat) > 0.0f;
    const Vector away = VectorNormalized(pos - (closing ? predicted : threat));
    return away * m_vehicle.GetMaxSpeed() - m_vehicle.GetVelocity();
}
