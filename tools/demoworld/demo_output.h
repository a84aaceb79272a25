#pragma once
// What every writer of the demo world shares: the message for a file that cannot be
// written, and 8-bit palette bitmaps.

#include "Library/core/stringc.h"
#include "Library/graphics/surface_ptr.h"

// Says "cannot write" with the path when not written; returns written.
bool ReportWritten(bool written, const Stringc& path);

// An 8-bit surface whose first entries are the palette's, the rest black; null when SDL
// cannot make one.
SurfacePtr MakePalettedSurface(int width, int height, const SDL_Color* palette, int count);

// The surface as a ".bmp", its directories made; false, with the message, on failure.
bool SaveBitmap(SDL_Surface* surface, const Stringc& path);
