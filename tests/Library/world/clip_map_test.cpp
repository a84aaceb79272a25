// The clip map's stored form and its base lines set by zone.
#include "Library/world/clip_map.h"

#include "Library/core/mem_mgr.h"
#include "Library/core/test_stream_support.h"
#include "Library/geometry/zone.h"
#include "Library/graphics/image_files.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Typed from the format: 3 columns of 20 rows; column 0 with spans 1-4 (base 4) and 7-7
// (base 15), column 1 none, column 2 one span 0-19 (base 19).
const Bytes kGolden = {
    0x03, 0x00, 0x00, 0x00, 0x14, 0x00, 0x00, 0x00,                         // columns, rows
    0x02, 0x00, 0x00, 0x00,                                                 // column 0: 2
    0x01, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, //
    0x07, 0x00, 0x00, 0x00, 0x07, 0x00, 0x00, 0x00, 0x0F, 0x00, 0x00, 0x00, //
    0x00, 0x00, 0x00, 0x00,                                                 // column 1: 0
    0x01, 0x00, 0x00, 0x00,                                                 // column 2: 1
    0x00, 0x00, 0x00, 0x00, 0x13, 0x00, 0x00, 0x00, 0x13, 0x00, 0x00, 0x00, //
};

using SpanList = std::vector<std::vector<uint32_t>>;
SpanList Spans(const ClipMap& map, long column) {
    SpanList out;
    for (const ClipSpan& span : map.GetSpans(column))
        out.push_back({span.top, span.bottom, span.base});
    return out;
}

TEST(ClipMap, TheTypedFormReadsAndWritesBackByteForByte) {
    ClipMap map;
    TestStream in(kGolden);
    ASSERT_TRUE(map.Read(in));
    EXPECT_EQ(map.GetColumns(), 3u);
    EXPECT_EQ(map.GetRows(), 20u);
    EXPECT_EQ(Spans(map, 0), (SpanList{{1, 4, 4}, {7, 7, 15}}));
    EXPECT_TRUE(Spans(map, 1).empty());
    EXPECT_EQ(Spans(map, 2), (SpanList{{0, 19, 19}}));
    EXPECT_TRUE(Spans(map, -1).empty() && Spans(map, 3).empty());
    EXPECT_EQ(StoredForm(map), kGolden);
}

TEST(ClipMap, CutOrForgedDataFailsAndLeavesTheMap) {
    ClipMap map;
    TestStream golden(kGolden);
    ASSERT_TRUE(map.Read(golden));
    std::vector<Bytes> bad = {
        With(kGolden, 0, uint32_t{0x7FFFFFFF}),  // columns past the data
        With(kGolden, 8, uint32_t{0x10000000}),  // spans past the data
        With(kGolden, 4, uint32_t{1}),           // more spans than rows
        With(kGolden, 12, uint32_t{5}),          // a span whose top is below its bottom
        With(kGolden, 16, uint32_t{20}),         // a span ending below the last row
        With(kGolden, 36, uint32_t{0xFFFFFFFF}), // the empty column made huge
    };
    for (size_t size = 0; size < kGolden.size(); ++size)
        bad.emplace_back(kGolden.begin(), kGolden.begin() + size);
    for (const Bytes& bytes : bad) {
        TestStream in(bytes);
        EXPECT_FALSE(map.Read(in));
        EXPECT_EQ(StoredForm(map), kGolden);
    }
}

TEST(ClipMap, ZonesSetTheBaseOfTheSpansWhollyInside) {
    ClipMap map;
    map.AllocRows(48, 40);
    map.AddSpan(5, 3)->bottom = 10;  // (0.31, 0.25) to (0.31, 0.83): inside
    map.AddSpan(5, 20)->bottom = 30; // its bottom end at y 2.5: outside
    map.AddSpan(40, 3)->bottom = 10; // at x 2.5: outside
    EXPECT_EQ(map.AddSpan(48, 0), nullptr);
    Zone zone;
    MemMgr<Vector> points;
    points.Alloc()->Set(0, 0, 0);
    points.Alloc()->Set(2, 0, 0);
    points.Alloc()->Set(2, 2, 0);
    points.Alloc()->Set(0, 2, 0);
    zone.BuildPolygon(points);
    map.SetBaseInZone(zone, 77);
    EXPECT_EQ(Spans(map, 5), (SpanList{{3, 10, 77}, {20, 30, 20}}));
    EXPECT_EQ(Spans(map, 40), (SpanList{{3, 10, 3}}));
}

} // namespace
