#pragma once
// Facing directions as numbered sectors: with 8, 0 is up on screen (-y) and the index grows
// clockwise in 45-degree steps (2 right, 4 down, 6 left); with 16 the steps are 22.5 degrees.
// Angles are radians from +x toward +y.

class Vector;

constexpr double kRadiansPerDegree = 0.0174532925199;

int WrapDir8(int dir);  // into 0-7, negative indices included
int WrapDir16(int dir); // into 0-15

double Dir8ToAngle(int dir);  // in [0, 2 pi); 0 for an index outside 0-7
double Dir16ToAngle(int dir); // in [0, 2 pi); 0 for an index outside 0-15

// The sector the heading falls in; sector edges belong to the sector clockwise on screen.
int AngleToDir8(double angle);
int AngleToDir16(double angle);

// out = origin + distance along the angle, in the map plane.
void PointAtAngle(const Vector& origin, float distance, double angle, Vector& out);
