// Stored point arrays, taken through the transforms and the perspective projection that
// turn them into screen coordinates.

#include "Library/geometry/vertex_array.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <limits>

std::vector<std::string> FuzzSeeds() {
    const auto stored = [](std::initializer_list<Vector> points) {
        const std::vector<Vector> list(points);
        const VertexArray array(list.data(), static_cast<int>(list.size()));
        return WrittenBytes([&](Stream& stream) { return array.Write(stream); });
    };
    const float huge = std::numeric_limits<float>::max();
    return {stored({{0, 0, 0}, {10, -20, 30}, {-1.5f, 2.5f, 399.0f}}),
            stored({{huge, -huge, 400.0f}, {1e-30f, 0, -1e6f}}), stored({})};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    VertexArray points;
    if (!points.Read(input))
        return 0;
    const int count = points.GetCount();
    const float rows[3][3] = {{0, -1, 0}, {1, 0, 0}, {0, 0, 2}};
    VertexArray turned, placed;
    points.TransformMatrix(turned, rows, points.At(0));
    points.TransformBasis(placed, Vector(1, 0, 0), points.At(1), Vector(0, 0, 1), points.At(2));
    std::vector<int16_t> projected(2 * static_cast<size_t>(count) + 1);
    points.Project(projected.data(), 400, 300);
    placed.Project(projected.data(), -32768, 32767);
    for (int index = 0; index < count; ++index) {
        Vector point = points.At(index);
        float length = 0, heading = 0, elevation = 0;
        point.ToSpherical(length, heading, elevation);
        point.Heading();
        point.Normalize();
        point.Floor();
        point.Ceil();
    }
    points.Resize(count / 2);
    return 0;
}
