#include "Library/geometry/vertex2d.h"

#include <cmath>

void Vertex2d::ToPolar() {
    angle = std::atan2(x, y);
    radius = std::sqrt(x * x + y * y);
}

void Vertex2d::FromPolar() {
    x = std::sin(angle) * radius;
    y = std::cos(angle) * radius;
}
