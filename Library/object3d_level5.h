#pragma once

#include "Library/object3d_level4.h"

// Adds the mesh's vertices placed in the world and seen from a camera.
class Object3dLevel5 : public Object3dLevel4 {
public:
    static constexpr int kInitialVertices = 10;

    Object3dLevel5() : m_world(kInitialVertices), m_camera(kInitialVertices) {}

    // World vertices = rotation by the orientation (about x, then y, then z) of the mesh,
    // plus the position; camera vertices = the world vertices laid out along the camera's
    // axes from its origin.
    void Transform(const Vector& axisX, const Vector& axisY, const Vector& axisZ,
                   const Vector& origin);

    const VertexArray& GetWorldVertices() const { return m_world; }
    const VertexArray& GetCameraVertices() const { return m_camera; }

private:
    VertexArray m_world;
    VertexArray m_camera;
};
