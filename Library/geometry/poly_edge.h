#pragma once

class Vector;

// One edge of a polygon: its start and end vertex, owned by the polygon.
struct PolyEdge {
    const Vector* start = nullptr;
    const Vector* end = nullptr;
};
