#pragma once
// A filled, outlined triangle over screen points held elsewhere (a mesh's projection).

#include <cstdint>

class Screen;

struct Triangle {
    const int16_t* vertex[3]; // each points at an x followed by its y
};

// Fills in white, then outlines in red within g_clipRect; leaves the drawing colour red.
// The fill leaves the bottom row to the outline.
void DrawTriangle(Screen& screen, const Triangle& triangle);
