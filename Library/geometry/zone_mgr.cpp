#include "Library/geometry/zone_mgr.h"

#include "Library/core/stream.h"
#include "Library/core/tracked_new.h"
#include "Library/geometry/stored_vectors.h"

namespace {

constexpr long kStoredZoneMinBytes = 4; // a zone is at least its vertex count

} // namespace

void ZoneMgr::Clear() {
    m_zones.DeleteAll();
}

void ZoneMgr::Remove(const Zone* zone) {
    const int slot = zone == nullptr ? -1 : m_zones.SlotOf(zone);
    Zone* held = m_zones.Get(slot);
    if (held == nullptr)
        return;
    m_zones.Free(slot);
    DELETE held;
}

bool ZoneMgr::FindZoneContaining(const Vector& point, const Zone*& out) const {
    const Zone* zone = FindZone([&](const Zone& z) { return z.Contains(point); });
    if (zone == nullptr)
        return false;
    out = zone;
    return true;
}

bool ZoneMgr::Read(Stream& stream) {
    if (stream.CheckOpen() != kStreamOk)
        return false;
    Clear();
    uint32_t count = 0;
    if (!ReadStoredCount(stream, kStoredZoneMinBytes, "ZoneMgr zones", count))
        return false;
    for (uint32_t index = 0; index < count; ++index) {
        Zone* zone = NEW Zone();
        m_zones.Add(zone);
        if (!zone->Read(stream)) {
            Remove(zone);
            return false;
        }
        if (!zone->IsValid())
            Remove(zone);
    }
    return true;
}

bool ZoneMgr::Write(Stream& stream) const {
    if (!stream.WriteValue(static_cast<uint32_t>(m_zones.CountUsed())))
        return false;
    for (int slot = 0; slot < m_zones.GetCount(); ++slot) {
        const Zone* zone = m_zones.Get(slot);
        if (zone != nullptr && !zone->Write(stream))
            return false;
    }
    return true;
}

bool ZoneMgr::FirstCrossing(const Vector& from, const Vector& to, Segment& out,
                            float& distance) const {
    return FindZone([&](const Zone& z) { return z.FirstCrossing(from, to, out, distance); }) !=
           nullptr;
}

bool ZoneMgr::EdgesWithin(const Vector& point, float radius, EdgePool& pool) const {
    FindZone([&](const Zone& z) {
        z.EdgesWithin(point, radius, pool);
        return false; // every zone adds its edges
    });
    return HasEdges(pool);
}

bool ZoneMgr::SegmentClear(const Vector& from, const Vector& to) const {
    return FindZone([&](const Zone& z) { return !z.SegmentClear(from, to); }) == nullptr;
}

void ZoneMgr::Draw(Screen& screen, const MapView& view) const {
    FindZone([&](const Zone& z) {
        z.Draw(screen, view);
        return false; // every zone
    });
}
