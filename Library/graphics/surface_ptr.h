#pragma once
// An SDL surface owned by its holder.

#include <SDL/SDL.h>

#include <memory>

struct SurfaceFree {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceFree>;

// An 8-bit palettised software surface; null when SDL cannot make one.
inline SurfacePtr MakeSurface8(int width, int height) {
    return SurfacePtr(SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 8, 0, 0, 0, 0));
}
