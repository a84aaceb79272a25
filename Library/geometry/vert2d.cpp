#include "Library/geometry/vert2d.h"

#include "Library/core/maths.h"
#include "Library/core/tracked_new.h"
#include "Library/graphics/screen.h"

#include <algorithm>
#include <cmath>

void Vert2d::Allocate() {
    m_vertices.reset(NEW Vertex2d[m_vertexCount]());
    m_lines.reset(NEW uint32_t[2 * m_lineCount]());
    m_screen.reset(NEW int16_t[2 * m_vertexCount]());
}

void Vert2d::Clear() {
    m_vertices.reset();
    m_lines.reset();
    m_screen.reset();
    m_vertexCount = 0;
    m_lineCount = 0;
    m_rotation = 0.0f;
}

Vert2d& Vert2d::operator=(const Vert2d& other) {
    if (&other == this)
        return *this;
    m_vertexCount = other.m_vertexCount;
    m_lineCount = other.m_lineCount;
    Allocate();
    std::copy(other.m_vertices.get(), other.m_vertices.get() + m_vertexCount, m_vertices.get());
    std::copy(other.m_lines.get(), other.m_lines.get() + 2 * m_lineCount, m_lines.get());
    return *this;
}

void Vert2d::Set(const Vertex2d* vertices, int vertexCount, const uint32_t* lines, int lineCount) {
    Clear();
    m_vertexCount = std::max(vertexCount, 0);
    m_lineCount = std::max(lineCount, 0);
    Allocate();
    for (int vertex = 0; vertex < m_vertexCount; ++vertex) {
        m_vertices[vertex].x = vertices[vertex].x;
        m_vertices[vertex].y = vertices[vertex].y;
        m_vertices[vertex].ToPolar();
    }
    std::copy(lines, lines + 2 * m_lineCount, m_lines.get());
}

void Vert2d::ScaleAll(float factor) {
    for (int vertex = 0; vertex < m_vertexCount; ++vertex)
        m_vertices[vertex].Scale(factor);
}

void Vert2d::Transform() {
    for (int vertex = 0; vertex < m_vertexCount; ++vertex) {
        const Vertex2d& v = m_vertices[vertex];
        m_screen[2 * vertex] = ToInt16(std::sin(v.angle + m_rotation) * v.radius);
        m_screen[2 * vertex + 1] = ToInt16(std::cos(v.angle + m_rotation) * v.radius);
    }
}

void Vert2d::Draw(Screen& screen, int x, int y) const {
    screen.SetDrawColour(m_colour);
    const auto count = static_cast<uint32_t>(m_vertexCount);
    for (int line = 0; line < m_lineCount; ++line) {
        const uint32_t a = m_lines[2 * line];
        const uint32_t b = m_lines[2 * line + 1];
        if (a >= count || b >= count)
            continue;
        screen.DrawLine(x + GetScreenX(a), y + GetScreenY(a), x + GetScreenX(b), y + GetScreenY(b));
    }
}
