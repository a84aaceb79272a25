#include "Library/world/avoid_walls_behaviour.h"

#include "Library/geometry/map_view.h"
#include "Library/geometry/segment.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/screen.h"
#include "Library/world/tile_map.h"
#include "Library/world/vehicle.h"

Vector AvoidWallsBehaviour::WallContact(const Segment& wall, float t, const Vector& point) {
    m_contact = wall.GetStart() + (wall.GetEnd() - wall.GetStart()) * t;
    const Vector& normal = wall.GetNormal();
    m_push = normal * -normal.Dot(point - m_contact);
    return m_push;
}

void AvoidWallsBehaviour::DebugDraw(Screen& screen) const {
    const MapView& view = m_vehicle.GetMap();
    const uint16_t saved = screen.GetDrawColour();
    if (m_push.x != 0.0f || m_push.y != 0.0f || m_push.z != 0.0f) {
        screen.SetDrawColour(Colour(0, 0, 255).Pack16());
        DrawWorldLine(screen, view, m_contact, m_contact + m_push);
    }
    const Colour feelerColours[kFeelerCount] = {Colour(255, 255, 255), Colour(255, 0, 0),
                                                Colour(0, 255, 0)};
    for (int i = 0; i < kFeelerCount; ++i) {
        screen.SetDrawColour(feelerColours[i].Pack16());
        DrawWorldLine(screen, view, m_vehicle.GetPosition(), m_feelers[i]);
    }
    screen.SetDrawColour(saved);
}
