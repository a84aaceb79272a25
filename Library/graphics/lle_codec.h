#pragma once
// The byte-wide run-length form of 8-bit animation frames (EncodedFrame). Rows one after the
// other from the top, each a u8 k then:
//   k = 0: the row is wholly transparent;  k = 1: width indices, none transparent;
//   k >= 2: k - 1 runs of u8 skip (transparent pixels since the last run), u8 count,
//   count indices. Transparent pixels after the last run are not stored.
// Gaps and runs longer than 255 are split into extra runs, so a frame fails to encode only
// when a row needs more than 254 runs.

#include "Library/graphics/pixel_surface.h"

#include <SDL/SDL.h>

#include <cstdint>
#include <memory>

void LleSetTransparentIndex(uint8_t index); // what LleEncode leaves out
void LleSetClipRect(int x1, int y1, int x2, int y2);

// Encodes height rows of width indices, rows pitch bytes apart; null, with length 0, when a
// row cannot be held or a side is beyond 65535.
std::unique_ptr<uint8_t[]> LleEncode(const uint8_t* pixels, int pitch, int width, int height,
                                     uint32_t& length);
// Decodes into an 8-bit surface at (x, y) only when the whole frame lies inside the codec
// clip rectangle and the surface; transparent pixels leave the surface as it was. The rows
// must have passed ValidateRows.
void LleDraw(SDL_Surface* surface, const uint8_t* data, int x, int y, int width, int height);
// The frame's outline (see DrawRunOutline) on a 16-bit surface.
void LleDrawOutline(const PixelSurface& surface, const uint8_t* data, int x, int y, int width,
                    int height);
