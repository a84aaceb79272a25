#include "Library/world/repel_obstacle_behaviour.h"

#include <cmath>

Vector RepelObstacleBehaviour::Calculate() {
    return PushAway(nullptr, 1.0f, 1.0f, [](float d2) { return std::cbrt(d2); });
}
