#pragma once
// Every random choice of the game draws from the runtime generator (platform::Rand),
// so seeding it once replays them all.

#include "Library/core/vector.h"

// lo + rand() mod (hi - lo): lo <= result < hi for lo < hi; lo, without drawing, for lo == hi.
int RandomInt(int lo, int hi);
// RandomInt, negated when a second draw is even.
int RandomSignedInt(int lo, int hi);
// One of 1000 evenly spaced values from lo up to lo + 0.999 (hi - lo).
float RandomFloat(float lo, float hi);
// RandomFloat, negated when a second draw is even.
float RandomSignedFloat(float lo, float hi);
// A vector in the map plane of the given length, its heading spread evenly around heading.
Vector RandomVector(float heading, float length, float spread);
