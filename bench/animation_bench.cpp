// One screen of 100 animation players, each showing a 64 x 64 frame, against the plain
// colour-keyed blit of the same frames. The players decode the encoded frame into their
// 8-bit surface when it changed and blit that; the baselines blit frames decoded once,
// as 8-bit keyed surfaces and as keyed surfaces in the screen's own 16-bit format.

#include "Library/files/data_paths.h"
#include "Library/files/file_stream.h"
#include "Library/graphics/animation.h"
#include "Library/graphics/animation_mgr.h"
#include "Library/graphics/colour_mod.h"
#include "Library/graphics/encoded_frame.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "ratio_reporter.h"

#include <SDL/SDL.h>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kSide = 64;
constexpr int kFrames = 8;
constexpr int kPlayers = 100;
constexpr uint8_t kKey = 0; // palette entry 0 is magenta, the key

// A sprite-like frame: an opaque blob with holes that shifts from frame to frame.
uint8_t SpriteIndex(int x, int y, int frame) {
    const double dx = (x - kSide / 2.0) / (kSide / 2.0), dy = (y - kSide / 2.0) / (kSide / 2.0);
    const bool inside = dx * dx + dy * dy < 0.9 && ((x + frame) / 5 + y / 7) % 4 != 0;
    return inside ? static_cast<uint8_t>(1 + (x * 3 + y + frame * 11) % 255) : kKey;
}

SurfacePtr FrameBitmap(int frame) {
    SurfacePtr surface = MakeSurface8(kSide, kSide);
    SDL_Color palette[256];
    for (int i = 0; i < 256; ++i)
        palette[i] = i == kKey ? SDL_Color{255, 0, 255, 0}
                               : SDL_Color{static_cast<Uint8>(i), static_cast<Uint8>(255 - i),
                                           static_cast<Uint8>(i * 7), 0};
    SDL_SetPalette(surface.get(), SDL_LOGPAL | SDL_PHYSPAL, palette, 0, 256);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            static_cast<uint8_t*>(surface->pixels)[y * surface->pitch + x] =
                SpriteIndex(x, y, frame);
    return surface;
}

int PlaceX(int player) {
    return (player * 37) % (kScreenWidth - kSide);
}
int PlaceY(int player) {
    return (player * 53) % (kScreenHeight - kSide);
}

// A data root holding art/anim/Bench/walk.ani, built from generated bitmaps, and the
// screen-sized 16-bit target.
struct Scene {
    Scene() {
        char pattern[] = "/tmp/animbenchXXXXXX";
        root = ::mkdtemp(pattern) ? pattern : "/tmp/animbench";
        const std::string bitmaps = root + "/bitmaps/walk";
        std::filesystem::create_directories(bitmaps);
        std::filesystem::create_directories(root + "/art/anim/Bench");
        for (int frame = 0; frame < kFrames; ++frame)
            SDL_SaveBMP(FrameBitmap(frame).get(),
                        (bitmaps + "/f" + std::to_string(frame) + ".bmp").c_str());
        Animation walk;
        walk.CreateFromBitmaps(bitmaps.c_str(), 1, 6);
        FileStream file((root + "/art/anim/Bench/walk.ani").c_str(), kStreamWriteBinary);
        walk.Write(file);
        file.Close();
        paths.Build(root.c_str());
        g_dataPaths = &paths;
        screen.reset(SDL_CreateRGBSurface(SDL_SWSURFACE, kScreenWidth, kScreenHeight, 16, 0xF800,
                                          0x07E0, 0x001F, 0));
        for (int player = 0; player < kPlayers; ++player) {
            players.emplace_back(std::make_unique<AnimationMgr>());
            players.back()->SetAnimationName("Bench");
            players.back()->SetAnimation("walk", pool);
            players.back()->SetFrame(player % kFrames);
            players.back()->Update();
        }
        const Animation& shown = *players.front()->GetAnimation();
        for (int frame = 0; frame < kFrames; ++frame) {
            const EncodedFrame& image = *shown.GetFrameImage(0, frame);
            SurfacePtr keyed = MakeSurface8(image.GetWidth(), image.GetHeight());
            SDL_SetPalette(keyed.get(), SDL_LOGPAL, const_cast<SDL_Color*>(shown.GetPalette()), 0,
                           256);
            SDL_FillRect(keyed.get(), nullptr, kKey);
            image.Decode(keyed.get());
            SDL_SetColorKey(keyed.get(), SDL_SRCCOLORKEY, kKey);
            SurfacePtr native(SDL_ConvertSurface(keyed.get(), screen->format, SDL_SWSURFACE));
            const Uint32 magenta = SDL_MapRGB(native->format, 255, 0, 255);
            SDL_FillRect(native.get(), nullptr, magenta);
            SDL_BlitSurface(keyed.get(), nullptr, native.get(), nullptr);
            SDL_SetColorKey(native.get(), SDL_SRCCOLORKEY, magenta);
            crops.push_back({image.GetOffsetX(), image.GetOffsetY()});
            keyed8.push_back(std::move(keyed));
            keyed16.push_back(std::move(native));
        }
    }
    ~Scene() {
        players.clear();
        pool.Clear();
        g_dataPaths = nullptr;
        std::filesystem::remove_all(root);
    }

    std::string root;
    DataPaths paths;
    UniAnimationMgr pool;
    std::vector<std::unique_ptr<AnimationMgr>> players;
    SurfacePtr screen;
    std::vector<SurfacePtr> keyed8, keyed16;
    std::vector<std::pair<int, int>> crops;
};

Scene* s_scene = nullptr;

void BM_PlayersNextFrame(benchmark::State& state) {
    for (auto _ : state) {
        for (int player = 0; player < kPlayers; ++player) {
            AnimationMgr& shown = *s_scene->players[player];
            shown.Advance(true, 0); // frames of no duration: a new frame every screen
            shown.Update();
            shown.DrawSurface(s_scene->screen.get(), PlaceX(player), PlaceY(player));
        }
        benchmark::ClobberMemory();
    }
}

// As the game drives a creature: a new frame and a (cleared) recolouring every screen.
void BM_PlayersRecoloured(benchmark::State& state) {
    const ColourMod unchanged;
    for (auto _ : state) {
        for (int player = 0; player < kPlayers; ++player) {
            AnimationMgr& shown = *s_scene->players[player];
            shown.Advance(true, 0);
            shown.ApplyColourMod(unchanged);
            shown.Update();
            shown.DrawSurface(s_scene->screen.get(), PlaceX(player), PlaceY(player));
        }
        benchmark::ClobberMemory();
    }
}

void BM_PlayersSameFrame(benchmark::State& state) {
    for (auto _ : state) {
        for (int player = 0; player < kPlayers; ++player)
            s_scene->players[player]->DrawSurface(s_scene->screen.get(), PlaceX(player),
                                                  PlaceY(player));
        benchmark::ClobberMemory();
    }
}

void KeyedBlits(benchmark::State& state, const std::vector<SurfacePtr>& frames) {
    int first = 0;
    for (auto _ : state) {
        for (int player = 0; player < kPlayers; ++player) {
            const int frame = (player + first) % kFrames;
            SDL_Rect place{static_cast<Sint16>(PlaceX(player) + s_scene->crops[frame].first),
                           static_cast<Sint16>(PlaceY(player) + s_scene->crops[frame].second), 0,
                           0};
            SDL_BlitSurface(frames[frame].get(), nullptr, s_scene->screen.get(), &place);
        }
        ++first;
        benchmark::ClobberMemory();
    }
}
void BM_KeyedBlit8(benchmark::State& state) {
    KeyedBlits(state, s_scene->keyed8);
}
void BM_KeyedBlit16(benchmark::State& state) {
    KeyedBlits(state, s_scene->keyed16);
}

BENCHMARK(BM_PlayersNextFrame);
BENCHMARK(BM_PlayersRecoloured);
BENCHMARK(BM_PlayersSameFrame);
BENCHMARK(BM_KeyedBlit8);
BENCHMARK(BM_KeyedBlit16);

} // namespace

int main(int argc, char** argv) {
    SDL_Init(0);
    {
        Scene scene;
        s_scene = &scene;
        RatioReporter::Initialize(&argc, argv);
        RatioReporter reporter("100 frames per screen, as a share of the 16-bit keyed blit",
                               {{"BM_PlayersNextFrame", "BM_KeyedBlit16"},
                                {"BM_PlayersRecoloured", "BM_KeyedBlit16"},
                                {"BM_PlayersSameFrame", "BM_KeyedBlit16"},
                                {"BM_KeyedBlit8", "BM_KeyedBlit16"}});
        benchmark::RunSpecifiedBenchmarks(&reporter);
        s_scene = nullptr;
    }
    SDL_Quit();
    return 0;
}
