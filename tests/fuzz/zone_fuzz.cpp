// Stored zone sets, taken through the containment, crossing and nearby-edge queries that
// movement and sight ask of them.

#include "Library/geometry/segment.h"
#include "Library/geometry/zone_mgr.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <initializer_list>

namespace {

using Corners = std::initializer_list<Vector>;

// The zones' records behind their count, as a zone set stores them.
std::string ZoneRecords(std::initializer_list<Corners> zones) {
    return WrittenBytes([&](Stream& stream) {
        if (!stream.WriteValue(static_cast<uint32_t>(zones.size())))
            return false;
        for (const Corners& corners : zones) {
            MemMgr<Vector> points(4);
            for (const Vector& corner : corners)
                *points.Alloc() = corner;
            Zone zone;
            zone.BuildPolygon(points);
            if (!zone.Write(stream))
                return false;
        }
        return true;
    });
}

// What a zone set read from the records writes back.
std::string StoredZoneSet(const std::string& records) {
    FuzzInput input(reinterpret_cast<const uint8_t*>(records.data()), records.size());
    ZoneMgr zones;
    if (!zones.Read(input))
        return "";
    return WrittenBytes([&](Stream& stream) { return zones.Write(stream); });
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    return {StoredZoneSet(ZoneRecords({{{0, 0, 0}, {100, 0, 0}, {100, 80, 0}, {0, 80, 0}},
                                       {{200, 200, 0}, {260, 210, 0}, {230, 270, 0}}})),
            // A zone of two corners is dropped on reading.
            ZoneRecords({{{10, 10, 0}, {20, 10, 0}}, {{-50, -50, 0}, {50, -50, 0}, {0, 50, 0}}})};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    ZoneMgr zones;
    zones.Read(input); // a failed read keeps the zones before it: query those too
    const Vector points[] = {{50, 40, 0}, {-1000, -1000, 0}, {230, 230, 0}, {1e30f, 0, 0}};
    for (const Vector& from : points) {
        const Zone* found = nullptr;
        if (zones.FindZoneContaining(from, found)) {
            Vector nearest, centre;
            found->NearestBoundaryPoint(from, nearest);
            found->Centre(centre);
        }
        for (const Vector& to : points) {
            Segment crossed;
            float distance = 0.0f;
            zones.FirstCrossing(from, to, crossed, distance);
            zones.SegmentClear(from, to);
        }
        EdgePool pool(8);
        zones.EdgesWithin(from, 64.0f, pool);
        const PolyEdge* edge = nullptr;
        NearestEdgeWithin(from, 64.0f, pool, edge);
    }
    return 0;
}
