// Stored ".bmp" pictures, 24-bit and palette-indexed as SDL's writer (our screenshots and
// frame exports) makes them and 4-bit, read plain or encoded and drawn every way.

#include "../Library/graphics/image_files.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/surface_ptr.h"
#include "fuzz/fuzz_image.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <SDL/SDL.h>

namespace {

// SDL's ".bmp" of a patterned surface of the given depth.
std::string SavedBySdl(int bits) {
    const int width = 7, height = 5;
    const SurfacePtr surface(SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, bits, 0, 0, 0, 0));
    if (!surface)
        return "";
    if (bits == 8) {
        SDL_Color palette[256];
        for (int i = 0; i < 256; ++i)
            palette[i] = {static_cast<Uint8>(i), static_cast<Uint8>(255 - i),
                          static_cast<Uint8>(i * 7), 0};
        SDL_SetColors(surface.get(), palette, 0, 256);
    }
    SDL_LockSurface(surface.get());
    auto* pixels = static_cast<Uint8*>(surface->pixels);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < surface->pitch; ++x)
            pixels[y * surface->pitch + x] = static_cast<Uint8>(x * 31 + y * 17);
    SDL_UnlockSurface(surface.get());
    std::string bytes(4096, '\0');
    SDL_RWops* out = SDL_RWFromMem(bytes.data(), static_cast<int>(bytes.size()));
    const bool saved = out && SDL_SaveBMP_RW(surface.get(), out, 0) == 0;
    const int length = out ? SDL_RWtell(out) : 0;
    if (out)
        SDL_FreeRW(out);
    return saved ? bytes.substr(0, static_cast<size_t>(length)) : "";
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    return {SavedBySdl(24), SavedBySdl(8),
            MakeBmp(3, 2, 4, {Colour(255, 0, 255), Colour(1, 2, 3), Colour(200, 100, 50)}, 3,
                    {0, 1, 2, 2, 1, 0})};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int width = 0, height = 0;
    ReadAndDraw(data, size, ".bmp", width, height);
    return 0;
}
