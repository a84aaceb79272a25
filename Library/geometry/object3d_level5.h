#pragma once

#include "Library/geometry/object3d_level4.h"

#include <cstdint>
#include <memory>

class Screen;

// Adds the mesh's vertices placed in the world and seen from a camera, and their drawing.
class Object3dLevel5 : public Object3dLevel4 {
public:
    static constexpr int kInitialVertices = 10;
    static constexpr int kScreenCentreX = 320;
    static constexpr int kScreenCentreY = 240;

    // Room for ten vertices at first.
    Object3dLevel5() : Object3dLevel5(Vector(), Vector()) {}
    explicit Object3dLevel5(const Vector& position) : Object3dLevel5(position, Vector()) {}
    Object3dLevel5(const Vector& position, const Vector& velocity);
    Object3dLevel5(const Object3dLevel5& other); // the placed and projected vertices too
    Object3dLevel5& operator=(const Object3dLevel5&) = delete;

    // World vertices = rotation by the orientation (about x, then y, then z) of the mesh,
    // plus the position; camera vertices = the world vertices laid out along the camera's
    // axes from its origin.
    void Transform(const Vector& axisX, const Vector& axisY, const Vector& axisZ,
                   const Vector& origin);
    // Projects the camera vertices around the screen centre and fills every triangle
    // record; a record naming a vertex the mesh lacks is skipped.
    void Draw(Screen& screen);

    void SetColour(uint16_t colour) { m_colour = colour; } // packed 16-bit pixel
    uint16_t GetColour() const { return m_colour; }
    const VertexArray& GetWorldVertices() const { return m_world; }
    const VertexArray& GetCameraVertices() const { return m_camera; }

private:
    VertexArray m_world;
    VertexArray m_camera;
    std::unique_ptr<int16_t[]> m_screenPoints; // x, y per camera vertex
    int m_screenPointCount = 0;
    uint16_t m_colour = 0xFFFF;
};
