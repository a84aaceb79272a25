#pragma once
// A short text placed in the map view for about a second.

#include "Library/core/stringc.h"
#include "Library/graphics/screen_pos.h"

#include <cstdint>

class Screen;

struct ViewPortString {
    static constexpr float kLifeSeconds = 1.0f;

    ScreenPos position; // x and y in screen pixels
    Stringc text;
    uint32_t font = 0;
    float remaining = 0.0f; // seconds

    // In its font, at (x + 3, y + 1), boxed in black with a yellow frame.
    void Draw(Screen& screen) const;
};
