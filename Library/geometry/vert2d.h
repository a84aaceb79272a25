#pragma once

#include "Library/geometry/vertex2d.h"

#include <cstdint>
#include <memory>

class Screen;

// A 2D wireframe: vertices joined by lines, turned and scaled about its origin and drawn
// at a screen position.
class Vert2d {
public:
    Vert2d() = default;
    Vert2d(const Vert2d& other) { *this = other; }
    Vert2d& operator=(const Vert2d& other); // vertices and lines; rotation and colour stay

    void Clear(); // no vertices, no lines, rotation 0
    // lines: lineCount pairs of vertex indices. The polar form is computed from x and y.
    void Set(const Vertex2d* vertices, int vertexCount, const uint32_t* lines, int lineCount);

    int GetVertexCount() const { return m_vertexCount; }
    int GetLineCount() const { return m_lineCount; }
    const Vertex2d& GetVertex(int vertex) const { return m_vertices[vertex]; }
    float GetRotation() const { return m_rotation; }
    void SetRotation(float rotation) { m_rotation = rotation; }
    uint16_t GetColour() const { return m_colour; }
    void SetColour(uint16_t colour) { m_colour = colour; }

    void ScaleAll(float factor);
    // Each screen point becomes its vertex turned by the rotation, truncated toward zero.
    void Transform();
    int16_t GetScreenX(int vertex) const { return m_screen[2 * vertex]; }
    int16_t GetScreenY(int vertex) const { return m_screen[2 * vertex + 1]; }
    // The lines between the screen points, offset by (x, y), in the shape's colour, which
    // becomes the screen's drawing colour. Lines naming a missing vertex are skipped.
    void Draw(Screen& screen, int x, int y) const;

private:
    void Allocate(); // for the current counts; vertices and screen points zeroed

    std::unique_ptr<Vertex2d[]> m_vertices;
    std::unique_ptr<uint32_t[]> m_lines; // two vertex indices per line
    std::unique_ptr<int16_t[]> m_screen; // x, y per vertex
    int m_vertexCount = 0;
    int m_lineCount = 0;
    float m_rotation = 0.0f;
    uint16_t m_colour = 0xFFFF;
};
