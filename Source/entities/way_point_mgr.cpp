#include "Source/entities/way_point_mgr.h"

#include "Library/geometry/circle_tests.h"

bool WayPointMgr::Follow(const Vector& position, Vector& next) const {
    int nearest = -1;
    float best = 0.0f;
    for (int slot = 0; slot < m_points.GetCount(); ++slot) {
        if (!m_points.IsUsed(slot))
            continue;
        const float distance = DistanceSquared2d(position, *m_points.Get(slot));
        if (nearest < 0 || distance < best) {
            nearest = slot;
            best = distance;
        }
    }
    if (nearest < 0)
        return false;
    for (int slot = nearest + 1; slot < m_points.GetCount(); ++slot)
        if (m_points.IsUsed(slot)) {
            next = *m_points.Get(slot);
            return true;
        }
    next = *m_points.Get(m_points.FindUsed([](const Vector&) { return true; }));
    return true;
}
