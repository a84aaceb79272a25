#pragma once

// Three floats: the per-triangle vertex index records of a mesh.
struct Float3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    Float3() = default;
    Float3(float ax, float ay, float az) : x(ax), y(ay), z(az) {}

    void Zero() { x = y = z = 0.0f; }
    void Set(float ax, float ay, float az) { x = ax, y = ay, z = az; }
    float operator[](int index) const { return index == 1 ? y : index == 2 ? z : x; } // x otherwise
};
