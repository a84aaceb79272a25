#pragma once

// One vertex of a wireframe, in plain and polar form. Angles run clockwise from +y:
// (1, 0) lies at pi / 2.
struct Vertex2d {
    float x = 0.0f;
    float y = 0.0f;
    float angle = 0.0f;
    float radius = 0.0f;

    void ToPolar();   // angle and radius from x and y
    void FromPolar(); // x and y from angle and radius
    void Scale(float factor) { radius *= factor; }
};
