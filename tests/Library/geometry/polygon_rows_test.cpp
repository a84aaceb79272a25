// The polygon's edges filed by rows against the plain crossing test over every edge.
#include "Library/geometry/polygon_rows.h"

#include "Library/core/random.h"
#include "platform/win_rand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

void Fill(MyPoly& polygon, const std::vector<Vector>& vertices) {
    polygon.Allocate(static_cast<int>(vertices.size()));
    for (size_t vertex = 0; vertex < vertices.size(); ++vertex)
        polygon.SetVertex(static_cast<int>(vertex), vertices[vertex]);
}

// An explosion's ring: points round a centre, each at its own distance.
std::vector<Vector> Ring(int count, float radius) {
    std::vector<Vector> ring;
    for (int index = 0; index < count; ++index) {
        const float angle = 6.2831853f * static_cast<float>(index) / static_cast<float>(count);
        const float reach = RandomFloat(0.2f, 1.0f) * radius;
        ring.emplace_back(5.0f + reach * std::cos(angle), 5.0f + reach * std::sin(angle), 0.0f);
    }
    return ring;
}

// Anywhere in a box: edges that cross, and level edges on shared whole heights.
std::vector<Vector> Tangle(int count) {
    std::vector<Vector> tangle;
    for (int index = 0; index < count; ++index)
        tangle.emplace_back(
            RandomFloat(0.0f, 10.0f),
            index % 3 == 0 ? static_cast<float>(RandomInt(0, 10)) : RandomFloat(0.0f, 10.0f), 0.0f);
    return tangle;
}

// Points all over and round the polygon, on its vertices' heights too, and one not a number.
void ExpectPlainAnswers(const PolygonRows& rows, const MyPoly& polygon) {
    std::vector<Vector> points{Vector(NAN, 5.0f, 0.0f), Vector(5.0f, NAN, 0.0f)};
    for (int vertex = 0; vertex < polygon.GetCount(); ++vertex) {
        const Vector& at = polygon.GetVertex(vertex);
        points.emplace_back(at.x, at.y, 0.0f);
        points.emplace_back(at.x - 0.01f, at.y, 0.0f);
        points.emplace_back(RandomFloat(-1.0f, 11.0f), at.y, 0.0f);
    }
    for (int point = 0; point < 400; ++point)
        points.emplace_back(RandomFloat(-1.0f, 11.0f), RandomFloat(-1.0f, 11.0f), 0.0f);
    for (const Vector& point : points)
        ASSERT_EQ(rows.Contains(point), PointInPolygon(polygon, point))
            << point.x << ", " << point.y;
}

// One set of rows filed again and again, from polygons large and small, as an explosion's
// clouds use it frame after frame.
TEST(PolygonRows, EveryPointGetsThePlainCrossingTestsAnswer) {
    platform::SeedRand(5);
    PolygonRows rows;
    EXPECT_FALSE(rows.Contains(Vector(0.0f, 0.0f, 0.0f))) << "never filed";
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE(round);
        MyPoly polygon;
        const int count = RandomInt(3, round % 2 ? 400 : 12);
        Fill(polygon, round % 3 ? Ring(count, 5.0f) : Tangle(count));
        rows.File(polygon);
        ExpectPlainAnswers(rows, polygon);
    }
}

// A flat polygon holds nothing; one whose height is not finite, or too small to part into
// rows, is asked edge by edge.
TEST(PolygonRows, FlatAndUnboundedPolygonsGetThePlainAnswerToo) {
    platform::SeedRand(6);
    const float huge = std::numeric_limits<float>::max();
    const float tiny = std::numeric_limits<float>::denorm_min();
    const std::vector<std::vector<Vector>> shapes{
        {Vector(0, 5, 0), Vector(10, 5, 0), Vector(4, 5, 0)},
        {Vector(0, 0, 0), Vector(10, 0, 0), Vector(5, NAN, 0)},
        {Vector(0, 0, 0), Vector(10, 0, 0), Vector(5, INFINITY, 0)},
        {Vector(0, -huge, 0), Vector(10, -huge, 0), Vector(5, huge, 0)},
        {Vector(0, 0, 0), Vector(10, 0, 0), Vector(5, tiny, 0)},
        {Vector(0, 0, 0), Vector(10, 10, 0)},
    };
    PolygonRows rows;
    for (const std::vector<Vector>& shape : shapes) {
        SCOPED_TRACE(shape.size());
        MyPoly polygon;
        Fill(polygon, shape);
        rows.File(polygon);
        ExpectPlainAnswers(rows, polygon);
        EXPECT_EQ(rows.Contains(Vector(5, 0, 0)), PointInPolygon(polygon, Vector(5, 0, 0)));
    }
}

} // namespace
