#pragma once
// Ellipse outlines in the screen's drawing colour, every pixel within g_clipRect.

#include <cstdint>

class Screen;

struct EllipseShape {
    uint32_t valid = 0; // nothing is drawn while 0
    int32_t x = 0;      // centre, screen pixels
    int32_t y = 0;
    double radiusX = 0;
    double radiusY = 0;
};

// Quadrant bits of DrawEllipseQuadrants.
constexpr int kEllipseTopLeft = 8;
constexpr int kEllipseTopRight = 2;
constexpr int kEllipseBottomLeft = 4;
constexpr int kEllipseBottomRight = 1;
constexpr int kEllipseWhole = 15;

void DrawEllipse(const EllipseShape& shape, Screen* screen); // nothing for a null screen
// The same outline restricted to the quadrants whose bits are set; the centre column
// and row belong to the left and top quadrants.
void DrawEllipseQuadrants(const EllipseShape& shape, int quadrants, Screen* screen);
