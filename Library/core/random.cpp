#include "Library/core/random.h"

#include "platform/win_rand.h"

namespace {
bool DrawIsEven() {
    return platform::Rand() % 2 == 0;
}
} // namespace

int RandomInt(int lo, int hi) {
    if (lo == hi)
        return lo;
    // 64 bits, so ranges wider than half the int span do not overflow.
    const long long span = static_cast<long long>(hi) - lo;
    return static_cast<int>(lo + platform::Rand() % span);
}

int RandomSignedInt(int lo, int hi) {
    if (lo == hi)
        return lo;
    const int value = RandomInt(lo, hi);
    return DrawIsEven() ? -value : value;
}

float RandomFloat(float lo, float hi) {
    return lo + static_cast<float>(platform::Rand() % 1000) * 0.001f * (hi - lo);
}

float RandomSignedFloat(float lo, float hi) {
    const float value = RandomFloat(lo, hi);
    return DrawIsEven() ? -value : value;
}

Vector RandomVector(float heading, float length, float spread) {
    Vector result;
    result.SetSpherical(length, heading + RandomSignedFloat(-spread / 2.0f, spread / 2.0f), 0.0f);
    return result;
}
