#pragma once

#include "Library/core/vector.h"

#include <cstdint>
#include <memory>

class MapView;
class Screen;
class Stream;

// A counted array of points, with the transforms and projection of the 3D objects.
class VertexArray {
public:
    static constexpr float kViewingDistance = 400.0f;

    VertexArray() = default;
    explicit VertexArray(int count) { Alloc(count); }
    VertexArray(const float* xs, const float* ys, const float* zs, int count);
    VertexArray(const Vector* vectors, int count);
    VertexArray(const VertexArray& other) : VertexArray(other.m_vectors.get(), other.m_count) {}
    VertexArray& operator=(const VertexArray& other);

    void Alloc(int count);  // count zero vectors
    void Resize(int count); // keeps the vectors that still fit, new ones zero
    void Clear();
    void ZeroAll();

    int GetCount() const { return m_count; }
    void Set(const Vector& vector, int index); // an index out of range is ignored
    Vector At(int index) const; // the first vector for an index out of range; zero when empty
    int Next(int index) const { return index + 1 < m_count ? index + 1 : 0; }

    // u32 count, then each vector as three 4-byte floats.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

    void DrawClosed(Screen& screen, const MapView& view) const; // each vector to the next
    void DrawFan(Screen& screen, const MapView& view) const;    // the first to every vector

    // out[i] = rows x v[i] + translation, rows being a 3 x 3 matrix.
    void TransformMatrix(VertexArray& out, const float rows[3][3], const Vector& translation) const;
    // out[i] = v.x axisX + v.y axisY + v.z axisZ + origin.
    void TransformBasis(VertexArray& out, const Vector& axisX, const Vector& axisY,
                        const Vector& axisZ, const Vector& origin) const;
    // Perspective projection around (centreX, centreY); out holds x, y per vector.
    void Project(int16_t* out, int centreX, int centreY) const;

private:
    std::unique_ptr<Vector[]> m_vectors;
    int m_count = 0;
};
