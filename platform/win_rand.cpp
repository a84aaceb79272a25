#include "platform/win_rand.h"

namespace platform {

namespace {
unsigned g_randState = 1;
}

void SeedRand(unsigned seed) { g_randState = seed; }

int Rand() {
    g_randState = g_randState * 214013u + 2531011u;
    return static_cast<int>((g_randState >> 16) & kRandMax);
}

} // namespace platform
