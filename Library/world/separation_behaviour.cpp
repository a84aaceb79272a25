#include "Library/world/separation_behaviour.h"

#include <cmath>

Vector SeparationBehaviour::Calculate() {
    return PushAway(m_ignore, 0.5f, 0.01f, [](float d2) { return std::sqrt(d2); });
}
