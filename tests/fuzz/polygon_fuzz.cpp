// Stored polygons and segments: a polygon, then segments to the end of the input, each
// taken through the line and containment tests the map's shapes answer.

#include "Library/geometry/my_poly.h"
#include "Library/geometry/segment.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

std::vector<std::string> FuzzSeeds() {
    const auto stored = [](std::initializer_list<Vector> corners,
                           std::initializer_list<std::pair<Vector, Vector>> lines) {
        return WrittenBytes([&](Stream& stream) {
            MyPoly polygon(static_cast<int>(corners.size()));
            int vertex = 0;
            for (const Vector& corner : corners)
                polygon.SetVertex(vertex++, corner);
            if (!polygon.Write(stream))
                return false;
            for (const auto& [start, end] : lines) {
                Segment segment;
                segment.Set(start, end);
                if (!segment.Write(stream))
                    return false;
            }
            return true;
        });
    };
    return {stored({{0, 0, 0}, {64, 0, 0}, {64, 48, 0}, {0, 48, 0}},
                   {{{-10, 24, 0}, {80, 24, 0}}, {{32, -5, 1}, {32, 60, 1}}}),
            stored({{5, 5, 2}, {40, 10, 2}, {20, 30, 2}}, {{{0, 0, 0}, {0, 0, 0}}}),
            stored({}, {{{1, 2, 3}, {4, 5, 6}}})};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    MyPoly polygon;
    if (!polygon.Read(input))
        return 0;
    polygon.ComputeEdges();
    Vector centre;
    polygon.Centroid(centre);
    PointInPolygon(polygon, centre);
    PointInPolygon(polygon, Vector(0, 0, 0));

    Segment previous;
    previous.Set(Vector(0, 0, 0), centre);
    Segment segment;
    while (segment.Read(input)) {
        float t = 0.0f, x = 0.0f, y = 0.0f;
        segment.IntersectSegment(previous, t);
        segment.IntersectLine(centre, previous.GetEnd(), t);
        segment.ClosestPoint(centre, x, y);
        for (int vertex = 0; vertex < polygon.GetCount(); ++vertex)
            segment.ClosestPoint(polygon.GetVertex(vertex), x, y);
        previous = segment;
    }
    return 0;
}
