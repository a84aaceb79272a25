#pragma once
// Between world points and screen pixels on the map the entities stand on, through the
// view's transform; screen pixels are rounded half away from zero.

#include "Library/core/vector.h"

void WorldToScreen(const Vector& world, int& x, int& y);
Vector ScreenToWorld(int x, int y); // z 0

// What the entities read of the game's state; without a game mode, mode 0 and pulse 0.
int CurrentModeId();
int CurrentPulse();
