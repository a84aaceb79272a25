#include "Library/geometry/vertex_array.h"

#include "Library/core/maths.h"
#include "Library/core/tracked_new.h"
#include "Library/geometry/map_view.h"
#include "Library/geometry/stored_vectors.h"

#include <algorithm>

VertexArray::VertexArray(const float* xs, const float* ys, const float* zs, int count) {
    Alloc(count);
    for (int index = 0; index < m_count; ++index)
        m_vectors[index].Set(xs[index], ys[index], zs[index]);
}

VertexArray::VertexArray(const Vector* vectors, int count) {
    Alloc(count);
    std::copy(vectors, vectors + m_count, m_vectors.get());
}

VertexArray& VertexArray::operator=(const VertexArray& other) {
    if (&other != this) {
        Alloc(other.m_count);
        std::copy(other.m_vectors.get(), other.m_vectors.get() + m_count, m_vectors.get());
    }
    return *this;
}

void VertexArray::Alloc(int count) {
    m_count = std::max(count, 0);
    m_vectors.reset(NEW Vector[m_count]());
}

void VertexArray::Resize(int count) {
    count = std::max(count, 0);
    std::unique_ptr<Vector[]> vectors(NEW Vector[count]());
    std::copy(m_vectors.get(), m_vectors.get() + std::min(count, m_count), vectors.get());
    m_vectors = std::move(vectors);
    m_count = count;
}

void VertexArray::Clear() {
    m_vectors.reset();
    m_count = 0;
}

void VertexArray::ZeroAll() {
    std::fill(m_vectors.get(), m_vectors.get() + m_count, Vector());
}

void VertexArray::Set(const Vector& vector, int index) {
    if (index >= 0 && index < m_count)
        m_vectors[index] = vector;
}

Vector VertexArray::At(int index) const {
    if (m_count == 0)
        return Vector();
    return m_vectors[index >= 0 && index < m_count ? index : 0];
}

bool VertexArray::Read(Stream& stream) {
    Clear();
    uint32_t count = 0;
    if (!ReadStoredCount(stream, kStoredVectorBytes, "VertexArray vectors", count))
        return false;
    Alloc(static_cast<int>(count));
    return ReadVectors(stream, m_vectors.get(), m_count);
}

bool VertexArray::Write(Stream& stream) const {
    return WriteCountedVectors(stream, m_vectors.get(), m_count);
}

void VertexArray::TransformMatrix(VertexArray& out, const float rows[3][3],
                                  const Vector& translation) const {
    out.Resize(m_count);
    for (int index = 0; index < m_count; ++index) {
        const Vector& v = m_vectors[index];
        out.m_vectors[index] = Vector(rows[0][0] * v.x + rows[0][1] * v.y + rows[0][2] * v.z,
                                      rows[1][0] * v.x + rows[1][1] * v.y + rows[1][2] * v.z,
                                      rows[2][0] * v.x + rows[2][1] * v.y + rows[2][2] * v.z) +
                               translation;
    }
}

void VertexArray::TransformBasis(VertexArray& out, const Vector& axisX, const Vector& axisY,
                                 const Vector& axisZ, const Vector& origin) const {
    out.Resize(m_count);
    for (int index = 0; index < m_count; ++index) {
        PointToWorldSpace(axisX, axisY, axisZ, origin, m_vectors[index], out.m_vectors[index]);
    }
}

void VertexArray::Project(int16_t* out, int centreX, int centreY) const {
    for (int index = 0; index < m_count; ++index) {
        int16_t x = 0;
        int16_t y = 0;
        m_vectors[index].Project(x, y, kViewingDistance);
        out[2 * index] = ToInt16(static_cast<float>(x + centreX));
        out[2 * index + 1] = ToInt16(static_cast<float>(y + centreY));
    }
}

void VertexArray::DrawClosed(Screen& screen, const MapView& view) const {
    for (int index = 0; index < m_count; ++index)
        DrawWorldLine(screen, view, m_vectors[index], m_vectors[Next(index)]);
}

void VertexArray::DrawFan(Screen& screen, const MapView& view) const {
    for (int index = 0; index < m_count; ++index)
        DrawWorldLine(screen, view, m_vectors[0], m_vectors[index]);
}
