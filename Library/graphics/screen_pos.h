#pragma once
// Where something is placed on the screen and how large it is.

#include <cstdint>

struct ScreenPos {
    static constexpr int32_t kUnplaced = -6000;

    int32_t x = kUnplaced;
    int32_t y = kUnplaced;
    int32_t w = 0;
    int32_t h = 0;
};
