#include "tools/demoworld/demo_output.h"

#include "Library/files/directory_list.h"

#include <algorithm>
#include <cstdio>

bool ReportWritten(bool written, const Stringc& path) {
    if (!written)
        std::fprintf(stderr, "demoworld: cannot write %s\n", path.c_str());
    return written;
}

SurfacePtr MakePalettedSurface(int width, int height, const SDL_Color* palette, int count) {
    SurfacePtr surface = MakeSurface8(width, height);
    if (!surface)
        return surface;
    SDL_Color colours[256] = {};
    std::copy(palette, palette + std::min(count, 256), colours);
    SDL_SetColors(surface.get(), colours, 0, 256);
    return surface;
}

bool SaveBitmap(SDL_Surface* surface, const Stringc& path) {
    return ReportWritten(
        surface && MakeDirectories(path) && SDL_SaveBMP(surface, path.c_str()) == 0, path);
}
