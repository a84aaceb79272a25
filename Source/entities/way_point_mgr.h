#pragma once
// A creature's own route: the points its scripts lay, walked as a loop from the point
// after the one nearest the creature. It lives with the creature and is never stored.

#include "Library/core/mem_mgr.h"
#include "Library/core/vector.h"

class WayPointMgr {
public:
    static constexpr int kInitialCapacity = 10;

    WayPointMgr() : m_points(kInitialCapacity) {}
    WayPointMgr(const WayPointMgr&) = delete;
    WayPointMgr& operator=(const WayPointMgr&) = delete;

    void Clear() { m_points.FreeAll(); }
    void Add(const Vector& point) { *m_points.Alloc() = point; } // the lowest free slot
    bool HasWayPoints() const { return m_points.CountUsed() > 0; }
    // The used slot after the one whose point lies nearest the position (the first of equals),
    // or the first used slot after the last; false when there are none.
    bool Follow(const Vector& position, Vector& next) const;

private:
    MemMgr<Vector> m_points;
};
