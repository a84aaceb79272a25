#include "Library/geometry/zone.h"

#include "Library/core/test_stream_support.h"
#include "Library/geometry/segment.h"
#include "Library/geometry/zone_mgr.h"

#include <gtest/gtest.h>

namespace {

// A square zone from (x, y) to (x + size, y + size), built from points with a freed slot.
void Build(Zone& zone, float x, float y, float size) {
    MemMgr<Vector> points;
    points.Alloc()->Set(x, y, 0.0f);
    points.Alloc()->Set(99.0f, 99.0f, 0.0f);
    points.Alloc()->Set(x + size, y, 0.0f);
    points.Alloc()->Set(x + size, y + size, 0.0f);
    points.Alloc()->Set(x, y + size, 0.0f);
    points.Free(1);
    zone.BuildPolygon(points);
}

Bytes StoredZones(const std::vector<std::vector<Vector>>& zones) {
    TestStream out;
    out.WriteValue(static_cast<uint32_t>(zones.size()));
    for (const auto& zone : zones) {
        out.WriteValue(static_cast<uint32_t>(zone.size()));
        for (const Vector& v : zone)
            v.Write(out);
    }
    return out.GetBytes();
}

std::vector<Vector> Square(float x, float y, float size) {
    return {Vector(x, y, 0.0f), Vector(x + size, y, 0.0f), Vector(x + size, y + size, 0.0f),
            Vector(x, y + size, 0.0f)};
}

TEST(Zone, BuiltFromTheUsedPointsInSlotOrder) {
    Zone zone;
    Vector out;
    EXPECT_FALSE(zone.Contains(Vector()) || zone.NearestBoundaryPoint(Vector(), out));
    Build(zone, 0.0f, 0.0f, 4.0f);
    ASSERT_TRUE(zone.IsValid());
    EXPECT_EQ(zone.GetPolygon().GetVertex(1), Vector(4.0f, 0.0f, 0.0f));
    EXPECT_TRUE(zone.Contains(Vector(1.0f, 3.0f, 0.0f)));
    EXPECT_FALSE(zone.Contains(Vector(5.0f, 3.0f, 0.0f)));
    // The nearest boundary point takes the first edge on a tie.
    ASSERT_TRUE(zone.NearestBoundaryPoint(Vector(1.0f, 2.5f, 0.0f), out));
    EXPECT_EQ(out, Vector(0.0f, 2.5f, 0.0f));
    ASSERT_TRUE(zone.NearestBoundaryPoint(Vector(2.0f, 2.0f, 0.0f), out));
    EXPECT_EQ(out, Vector(2.0f, 0.0f, 0.0f));

    MemMgr<Vector> two;
    two.Alloc()->Set(1.0f, 1.0f, 0.0f);
    two.Alloc()->Set(2.0f, 1.0f, 0.0f);
    zone.BuildPolygon(two);
    EXPECT_FALSE(zone.IsValid());
}

TEST(Zone, FirstCrossingAndClearSegments) {
    Zone zone;
    Segment edge;
    float distance = 0.0f;
    EXPECT_FALSE(zone.FirstCrossing(Vector(), Vector(1.0f, 1.0f, 0.0f), edge, distance));
    EXPECT_FALSE(zone.SegmentClear(Vector(), Vector(1.0f, 1.0f, 0.0f)));
    Build(zone, 0.0f, 0.0f, 4.0f);

    ASSERT_TRUE(
        zone.FirstCrossing(Vector(-2.0f, 2.0f, 0.0f), Vector(6.0f, 2.0f, 0.0f), edge, distance));
    EXPECT_FLOAT_EQ(distance, 0.25f);
    EXPECT_EQ(edge.GetStart(), Vector(0.0f, 4.0f, 0.0f)); // the left edge, met first
    // Through the corner (0, 0): both edges meet it at 0.5 and the first in ring order wins.
    ASSERT_TRUE(
        zone.FirstCrossing(Vector(-1.0f, -1.0f, 0.0f), Vector(1.0f, 1.0f, 0.0f), edge, distance));
    EXPECT_FLOAT_EQ(distance, 0.5f);
    EXPECT_EQ(edge.GetEnd(), Vector(4.0f, 0.0f, 0.0f));

    EXPECT_TRUE(zone.SegmentClear(Vector(1.0f, 1.0f, 0.0f), Vector(3.0f, 2.0f, 0.0f)));
    EXPECT_FALSE(zone.SegmentClear(Vector(1.0f, 1.0f, 0.0f), Vector(5.0f, 2.0f, 0.0f)));
}

TEST(Zone, EdgesWithinAndTheNearestOfThem) {
    Zone zone;
    Build(zone, 0.0f, 0.0f, 4.0f);
    const MyPoly& poly = zone.GetPolygon();
    EdgePool pool;
    EXPECT_FALSE(zone.EdgesWithin(Vector(2.0f, 2.0f, 0.0f), 1.0f, pool));
    // Edge 0 lies 0.5 away, edge 3 exactly 1.0: only the strictly nearer one counts, once.
    EXPECT_TRUE(zone.EdgesWithin(Vector(1.0f, 0.5f, 0.0f), 1.0f, pool));
    EXPECT_TRUE(zone.EdgesWithin(Vector(1.0f, 0.5f, 0.0f), 1.0f, pool));
    EXPECT_EQ(pool.GetCount(), 1);

    pool.Add(&poly.GetEdge(3));
    pool.Add(&poly.GetEdge(1));
    const PolyEdge* nearest = nullptr;
    EXPECT_FALSE(NearestEdgeWithin(Vector(2.0f, 2.0f, 0.0f), 2.0f, pool, nearest));
    EXPECT_EQ(nearest, nullptr);
    ASSERT_TRUE(NearestEdgeWithin(Vector(2.0f, 2.0f, 0.0f), 2.01f, pool, nearest));
    EXPECT_EQ(nearest, &poly.GetEdge(0)); // three at the same distance: the lowest slot
    ASSERT_TRUE(NearestEdgeWithin(Vector(3.5f, 2.0f, 0.0f), 2.01f, pool, nearest));
    EXPECT_EQ(nearest, &poly.GetEdge(1));
}

TEST(ZoneMgr, ReadDropsInvalidZonesAndBoundsItsCounts) {
    ZoneMgr mgr;
    EXPECT_TRUE(mgr.SegmentClear(Vector(), Vector(9.0f, 9.0f, 0.0f)));
    const Bytes bytes = StoredZones({Square(10.0f, 0.0f, 4.0f),
                                     {Vector(), Vector(1.0f, 0.0f, 0.0f)},
                                     Square(0.0f, 0.0f, 4.0f)});
    ASSERT_TRUE(ReadFrom(mgr, bytes));
    EXPECT_EQ(StoredForm(mgr), StoredZones({Square(10.0f, 0.0f, 4.0f), Square(0.0f, 0.0f, 4.0f)}));

    const Zone* found = nullptr;
    ASSERT_TRUE(mgr.FindZoneContaining(Vector(1.0f, 1.0f, 0.0f), found));
    EXPECT_EQ(found->GetPolygon().GetVertex(0), Vector());
    // Both zones are crossed; the one in the lower slot answers though the other is nearer.
    Segment edge;
    float distance = 0.0f;
    ASSERT_TRUE(
        mgr.FirstCrossing(Vector(-2.0f, 2.0f, 0.0f), Vector(20.0f, 2.0f, 0.0f), edge, distance));
    EXPECT_EQ(edge.GetStart(), Vector(10.0f, 4.0f, 0.0f));
    EXPECT_FALSE(mgr.SegmentClear(Vector(-2.0f, 2.0f, 0.0f), Vector(1.0f, 2.0f, 0.0f)));
    EdgePool pool;
    EXPECT_TRUE(mgr.EdgesWithin(Vector(7.0f, 2.0f, 0.0f), 3.01f, pool));
    EXPECT_EQ(pool.GetCount(), 2); // one edge of each zone

    EXPECT_FALSE(ReadFrom(mgr, Cut(bytes)));
    EXPECT_TRUE(mgr.FindZoneContaining(Vector(11.0f, 1.0f, 0.0f), found)); // read before it
    EXPECT_FALSE(ReadFrom(mgr, {0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0}));
}

} // namespace
