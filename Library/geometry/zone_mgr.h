#pragma once

#include "Library/geometry/zone.h"

// A storable set of zones with queries over all of them, each visiting the zones in slot
// order. Owns its zones.
class ZoneMgr {
public:
    ZoneMgr() : m_zones(1) {}
    ZoneMgr(const ZoneMgr&) = delete;
    ZoneMgr& operator=(const ZoneMgr&) = delete;
    virtual ~ZoneMgr() { Clear(); }

    void Remove(const Zone* zone); // deletes it; a zone not held is ignored
    bool FindZoneContaining(const Vector& point, const Zone*& out) const;

    // u32 zone count, then each zone's stream form. Zones with fewer than 3 vertices are
    // dropped; a failed read keeps the zones read before it.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;
    void Draw(Screen& screen, const MapView& view) const;

    // The crossing of the first zone, in slot order, that the segment crosses at all, even
    // when a later zone's crossing is nearer.
    bool FirstCrossing(const Vector& from, const Vector& to, Segment& out, float& distance) const;
    bool EdgesWithin(const Vector& point, float radius, EdgePool& pool) const;
    bool SegmentClear(const Vector& from, const Vector& to) const; // true without zones

private:
    void Clear();
    // The first zone in slot order that the test accepts, or null.
    template <class Test> const Zone* FindZone(Test test) const {
        for (int slot = 0; slot < m_zones.GetCount(); ++slot) {
            const Zone* zone = m_zones.Get(slot);
            if (zone != nullptr && test(*zone))
                return zone;
        }
        return nullptr;
    }

    NullItemMemMgr<Zone> m_zones;
};
