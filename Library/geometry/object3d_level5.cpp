#include "Library/geometry/object3d_level5.h"

#include "Library/core/tracked_new.h"
#include "Library/graphics/screen.h"
#include "Library/graphics/triangle.h"

#include <algorithm>
#include <cmath>

namespace {

using Matrix3 = float[3][3];

void SetIdentity(Matrix3& m) {
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            m[row][column] = row == column ? 1.0f : 0.0f;
    }
}

// m := m x rotation about one axis, as row-major rotation matrices whose single-axis
// forms keep the axis itself and turn the other two by the angle.
void MultiplyByRotation(Matrix3& m, int axis, float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    Matrix3 r;
    SetIdentity(r);
    const int a = axis == 0 ? 1 : 0; // the two axes that turn, in order
    const int b = axis == 2 ? 1 : 2;
    r[a][a] = c;
    r[b][b] = c;
    // About y the sine terms swap sides.
    r[a][b] = axis == 1 ? -s : s;
    r[b][a] = axis == 1 ? s : -s;
    Matrix3 product;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            product[row][column] =
                m[row][0] * r[0][column] + m[row][1] * r[1][column] + m[row][2] * r[2][column];
    }
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            m[row][column] = product[row][column];
    }
}

// Points the triangle at the screen points of the record's three vertices; false when the
// record names a vertex the mesh lacks.
bool PointAtCorners(const Float3& record, const int16_t* points, int count, Triangle& triangle) {
    for (int corner = 0; corner < 3; ++corner) {
        const float index = record[corner];
        if (!(index >= 0.0f && index < static_cast<float>(count))) // also refuses NaN
            return false;
        triangle.vertex[corner] = points + 2 * static_cast<int>(index);
    }
    return true;
}

} // namespace

Object3dLevel5::Object3dLevel5(const Vector& position, const Vector& velocity)
    : Object3dLevel4(position, velocity), m_world(kInitialVertices), m_camera(kInitialVertices),
      m_screenPoints(NEW int16_t[2 * kInitialVertices]()), m_screenPointCount(kInitialVertices) {}

Object3dLevel5::Object3dLevel5(const Object3dLevel5& other)
    : Object3dLevel4(other), m_world(other.m_world), m_camera(other.m_camera),
      m_screenPoints(NEW int16_t[2 * other.m_screenPointCount]()),
      m_screenPointCount(other.m_screenPointCount), m_colour(other.m_colour) {
    std::copy(other.m_screenPoints.get(), other.m_screenPoints.get() + 2 * m_screenPointCount,
              m_screenPoints.get());
}

void Object3dLevel5::Transform(const Vector& axisX, const Vector& axisY, const Vector& axisZ,
                               const Vector& origin) {
    Matrix3 rotation;
    SetIdentity(rotation);
    const Vector& angles = GetOrientation();
    const float perAxis[3] = {angles.x, angles.y, angles.z};
    for (int axis = 0; axis < 3; ++axis) {
        if (perAxis[axis] != 0.0f)
            MultiplyByRotation(rotation, axis, perAxis[axis]);
    }
    GetVertices().TransformMatrix(m_world, rotation, GetPosition());
    m_world.TransformBasis(m_camera, axisX, axisY, axisZ, origin);
}

void Object3dLevel5::Draw(Screen& screen) {
    screen.SetDrawColour(m_colour);
    const int count = m_camera.GetCount();
    if (count > m_screenPointCount) {
        m_screenPoints.reset(NEW int16_t[2 * count]());
        m_screenPointCount = count;
    }
    m_camera.Project(m_screenPoints.get(), kScreenCentreX, kScreenCentreY);
    for (int record = 0; record < GetRecordCount(); ++record) {
        Triangle triangle;
        if (PointAtCorners(GetRecord(record), m_screenPoints.get(), count, triangle))
            DrawTriangle(screen, triangle);
    }
}
