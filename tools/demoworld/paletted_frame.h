#pragma once
// Drawing by palette index on an 8-bit surface, for the demo world's animation bitmaps:
// points outside the surface are left out.

#include <SDL/SDL.h>

#include <cstdint>

class PalettedFrame {
public:
    explicit PalettedFrame(SDL_Surface* surface) : m_surface(surface) {}

    void Put(int x, int y, uint8_t index);
    void Fill(int x1, int y1, int x2, int y2, uint8_t index); // x2, y2 included
    void Ellipse(int cx, int cy, int rx, int ry, uint8_t index);
    void Line(int x1, int y1, int x2, int y2, uint8_t index); // both ends drawn

private:
    SDL_Surface* m_surface;
};
