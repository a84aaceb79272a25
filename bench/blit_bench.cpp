// Our colour-keyed and run-length sprite blits against SDL_BlitSurface doing the same
// colour-keyed 16-bit blit, plain and run-length accelerated (SDL_RLEACCEL), and against
// memcpy of the same rows as the floor, for a 64 x 64 sprite and a full-screen image. The
// run ends with the time of each of ours as a share of each of those (below 1 is faster).

#include "Library/graphics/blit_state.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/pixel_format.h"
#include "ratio_reporter.h"

#include <SDL/SDL.h>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

// A sprite-like picture: an opaque blob with holes, the rest the key.
uint16_t SpritePixel(int x, int y, int width, int height) {
    const double dx = (x - width / 2.0) / (width / 2.0), dy = (y - height / 2.0) / (height / 2.0);
    const bool inside = dx * dx + dy * dy < 0.9 && (x / 5 + y / 7) % 4 != 0;
    return inside ? static_cast<uint16_t>(0x1000 + x * 31 + y * 7) : g_colourKey;
}

struct Images {
    SDL_Surface* sdlSprite = nullptr;
    SDL_Surface* sdlRunLength = nullptr;
    Graphic keyed;
    Graphic encoded;
};

SDL_Surface* s_screen = nullptr;
PixelSurface s_target;
std::map<int, Images> s_images; // by width

void Setup() {
    g_pixelFormat = kPixelFormat565;
    SetColourKeys();
    SetColourKeyForVideoMode();
    g_graphicClipRect = Rect{0, 0, kScreenWidth, kScreenHeight};
    s_screen = SDL_CreateRGBSurface(SDL_SWSURFACE, kScreenWidth, kScreenHeight, 16, 0xF800, 0x07E0,
                                    0x001F, 0);
    s_target.pixels = static_cast<uint16_t*>(s_screen->pixels);
    s_target.width = s_target.pitch = kScreenWidth;
    s_target.height = kScreenHeight;
    for (const auto& [width, height] :
         {std::pair{64, 64}, std::pair{kScreenWidth, kScreenHeight}}) {
        Images& images = s_images[width];
        images.sdlSprite =
            SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 16, 0xF800, 0x07E0, 0x001F, 0);
        images.keyed.Create(width, height);
        images.keyed.ClearToKey();
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const uint16_t p = SpritePixel(x, y, width, height);
                images.keyed.SetPixel(x, y, p);
                static_cast<uint16_t*>(
                    images.sdlSprite->pixels)[y * images.sdlSprite->pitch / 2 + x] = p;
            }
        images.encoded.Create(width, height);
        std::copy_n(images.keyed.GetData(), width * height, images.encoded.GetSurface().pixels);
        images.encoded.Encode();
        images.sdlRunLength =
            SDL_ConvertSurface(images.sdlSprite, images.sdlSprite->format, SDL_SWSURFACE);
        SDL_SetColorKey(images.sdlSprite, SDL_SRCCOLORKEY, g_colourKey); // no RLE: a keyed blit
        SDL_SetColorKey(images.sdlRunLength, SDL_SRCCOLORKEY | SDL_RLEACCEL, g_colourKey);
        SDL_BlitSurface(images.sdlRunLength, nullptr, s_screen, nullptr); // encodes it once
    }
    Graphic::SetBlitMode(0);
}

// Places the sprite over the screen in a fixed walk so every blit is fully visible.
int PlaceX(int i, int width) {
    return width >= kScreenWidth ? 0 : (i * 37) % (kScreenWidth - width);
}
int PlaceY(int i, int height) {
    return height >= kScreenHeight ? 0 : (i * 53) % (kScreenHeight - height);
}

void SdlBlits(benchmark::State& state, SDL_Surface* sprite) {
    int i = 0;
    for (auto _ : state) {
        SDL_Rect place{static_cast<Sint16>(PlaceX(i, sprite->w)),
                       static_cast<Sint16>(PlaceY(i, sprite->h)), 0, 0};
        SDL_BlitSurface(sprite, nullptr, s_screen, &place);
        ++i;
        benchmark::ClobberMemory();
    }
}
void BM_SdlKeyed(benchmark::State& state) {
    SdlBlits(state, s_images[static_cast<int>(state.range(0))].sdlSprite);
}
void BM_SdlRunLength(benchmark::State& state) {
    SdlBlits(state, s_images[static_cast<int>(state.range(0))].sdlRunLength);
}

// Every row copied whole, key and all: no keyed blit can beat it.
void BM_MemcpyRows(benchmark::State& state) {
    const SDL_Surface* sprite = s_images[static_cast<int>(state.range(0))].sdlSprite;
    const size_t rowBytes = static_cast<size_t>(sprite->w) * 2;
    int i = 0;
    for (auto _ : state) {
        const int x = PlaceX(i, sprite->w), y = PlaceY(i, sprite->h);
        for (int row = 0; row < sprite->h; ++row)
            std::memcpy(
                static_cast<uint8_t*>(s_screen->pixels) + (y + row) * s_screen->pitch + x * 2,
                static_cast<const uint8_t*>(sprite->pixels) + row * sprite->pitch, rowBytes);
        ++i;
        benchmark::ClobberMemory();
    }
}

void Ours(benchmark::State& state, const Graphic& image) {
    int i = 0;
    for (auto _ : state) {
        image.Draw(s_target, PlaceX(i, image.GetWidth()), PlaceY(i, image.GetHeight()));
        ++i;
        benchmark::ClobberMemory();
    }
}
void BM_OurKeyed(benchmark::State& state) {
    Ours(state, s_images[static_cast<int>(state.range(0))].keyed);
}
void BM_OurRunLength(benchmark::State& state) {
    Ours(state, s_images[static_cast<int>(state.range(0))].encoded);
}

BENCHMARK(BM_SdlKeyed)->Arg(64)->Arg(kScreenWidth);
BENCHMARK(BM_SdlRunLength)->Arg(64)->Arg(kScreenWidth);
BENCHMARK(BM_MemcpyRows)->Arg(64)->Arg(kScreenWidth);
BENCHMARK(BM_OurKeyed)->Arg(64)->Arg(kScreenWidth);
BENCHMARK(BM_OurRunLength)->Arg(64)->Arg(kScreenWidth);

} // namespace

int main(int argc, char** argv) {
    SDL_Init(0);
    Graphic::InitScratch();
    Setup();
    RatioReporter::Initialize(&argc, argv);
    RatioReporter::Pairs pairs;
    for (const char* size : {"/64", "/800"})
        for (const char* ours : {"BM_OurKeyed", "BM_OurRunLength"})
            for (const char* baseline : {"BM_SdlKeyed", "BM_SdlRunLength", "BM_MemcpyRows"})
                pairs.push_back({std::string(ours) + size, std::string(baseline) + size});
    RatioReporter reporter("Time as a share of SDL's keyed and run-length blits and of memcpy",
                           pairs);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (auto& [width, images] : s_images) {
        SDL_FreeSurface(images.sdlSprite);
        SDL_FreeSurface(images.sdlRunLength);
    }
    s_images.clear();
    SDL_FreeSurface(s_screen);
    Graphic::FreeScratch();
    SDL_Quit();
    return 0;
}
