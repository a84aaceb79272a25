#include "Library/geometry/stored_vectors.h"

#include "Library/core/stream.h"
#include "Library/core/vector.h"

#include <cmath>
#include <cstdio>
#include <initializer_list>

bool ReadStoredCount(Stream& stream, long minimumBytes, const char* what, uint32_t& count) {
    if (!stream.ReadValue(count))
        return false;
    const long remaining = stream.Remaining();
    if (count <= remaining / minimumBytes)
        return true;
    std::fprintf(stderr, "%s: %u stored but only %ld bytes follow\n", what, count, remaining);
    return false;
}

bool ReadVectors(Stream& stream, Vector* vectors, int count) {
    for (int index = 0; index < count; ++index) {
        if (!vectors[index].Read(stream))
            return false;
    }
    return true;
}

bool IsStoredPlace(const Vector& point) {
    for (const float coordinate : {point.x, point.y, point.z})
        if (!std::isfinite(coordinate) || std::fabs(coordinate) > kMaxStoredCoordinate)
            return false;
    return true;
}

bool ReadStoredPlaces(Stream& stream, Vector* vectors, int count, const char* what) {
    if (!ReadVectors(stream, vectors, count))
        return false;
    for (int index = 0; index < count; ++index) {
        if (!IsStoredPlace(vectors[index])) {
            std::fprintf(stderr, "%s: a place beyond every map (%g, %g, %g)\n", what,
                         vectors[index].x, vectors[index].y, vectors[index].z);
            return false;
        }
    }
    return true;
}

bool WriteCountedVectors(Stream& stream, const Vector* vectors, int count) {
    if (!stream.WriteValue(static_cast<uint32_t>(count)))
        return false;
    for (int index = 0; index < count; ++index) {
        if (!vectors[index].Write(stream))
            return false;
    }
    return true;
}
