#pragma once
// What the drawing through a clip map reads of an animation frame: its 8-bit palette
// indices and where they stand on the screen, the colours they are shown in, and the
// indices with a treatment of their own.

#include <SDL/SDL.h>

#include <cstdint>

struct ClipSprite {
    const uint8_t* pixels = nullptr; // width x height indices, rows pitch bytes apart
    int pitch = 0;
    int x = 0; // screen position of the top-left pixel
    int y = 0;
    int width = 0;
    int height = 0;
    const uint16_t* colourTable = nullptr; // 256 screen pixels, one per index
    const SDL_Color* palette = nullptr;    // 256 source colours; the glow's brightness
    uint32_t transparentIndex = 0;         // never drawn
    uint32_t keptIndex = 0;                // blended fainter unless it is the transparent one
};
