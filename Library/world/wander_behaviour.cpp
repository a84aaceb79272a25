#include "Library/world/wander_behaviour.h"

#include "Library/geometry/map_view.h"
#include "Library/graphics/ellipse_shape.h"
#include "Library/graphics/screen.h"
#include "Library/world/tile_map.h"
#include "Library/world/vehicle.h"

namespace {
constexpr float kTiny = 1e-7f;
} // namespace

// Three draws, x, y and z in this order, as Vector::Randomise makes them.
Vector WanderBehaviour::RandomInPlane(float maximum) const {
    RandomSource& random = m_vehicle.GetRandom();
    const float x = random.SignedFloat(kTiny, maximum);
    random.SignedFloat(kTiny, maximum);
    const float z = random.SignedFloat(kTiny, maximum);
    return Vector(x, 0.0f, z);
}

void WanderBehaviour::SetWander(const Vector& centre, float radius) {
    m_centre = Vector(centre.x, 0.0f, centre.z);
    m_radius = radius;
    m_target = m_centre + VectorNormalized(RandomInPlane(radius)) * radius;
}

Vector WanderBehaviour::Calculate() {
    const Vector jitter = RandomInPlane(m_radius * 0.25f);
    m_target = m_centre + VectorNormalized(m_target + jitter - m_centre) * m_radius;
    return Seek(m_vehicle.ToWorld(m_target));
}

void WanderBehaviour::DebugDraw(Screen& screen) const {
    const MapView& view = m_vehicle.GetMap();
    const Vector scale = view.GetPixelsPerUnit();
    EllipseShape circle;
    WorldToPixel(view, m_vehicle.ToWorld(m_centre), circle.x, circle.y);
    circle.valid = 1;
    circle.radiusX = m_radius * scale.x;
    circle.radiusY = m_radius * scale.y;
    DrawEllipse(circle, &screen);
    constexpr int kArm = 10;
    int x = 0, y = 0;
    WorldToPixel(view, m_vehicle.ToWorld(m_target), x, y);
    screen.DrawLine(x - kArm, y, x + kArm, y);
    screen.DrawLine(x, y - kArm, x, y + kArm);
}
