// Reading the demo world's first map (100 x 100 cells with its clip map); drawing 100
// sprites of 64 x 64 through a clip map of about three spans per column; and the demo map's
// largest view (52 x 42 cells) in either pixel layout: a steady frame, the fog recomposed
// everywhere, a scroll by one cell, and a frame with 60 sprites through the clip map, each
// against a plain copy of the view's pixels and as a share of a 33 ms frame.

#include "Library/files/data_paths.h"
#include "Library/files/directory_list.h"
#include "Library/files/file_stream.h"
#include "Library/files/mem_stream.h"
#include "Library/geometry/map_view.h"
#include "Library/graphics/animation.h"
#include "Library/graphics/animation_mgr.h"
#include "Library/graphics/blit_state.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/indexed_bitmap.h"
#include "Library/graphics/pixel_format.h"
#include "Library/graphics/pixel_surface.h"
#include "Library/graphics/screen.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "Library/world/clip_map.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/world/water_mgr.h"
#include "bench/bench_world.h"
#include "bench/ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kScreenWidth = 800, kScreenHeight = 600;
constexpr int kSpriteSide = 64;
constexpr int kSprites = 100;
constexpr int kFrameSprites = 60;
constexpr int kViewWidth = 800, kViewHeight = 485;

BenchWorld* s_world = nullptr; // built once for every benchmark of the view

void BM_TileMapReadDemoMap(benchmark::State& state) {
    DataPaths paths(s_world->Root().c_str());
    MemStream bytes(kStreamReadBinary);
    FileStream file((paths.GetTileMapDir() + "/demo.map").c_str(), kStreamReadBinary);
    if (!s_world->Built() || !file.IsOpen() || !bytes.LoadAll(file)) {
        state.SkipWithError("the demo map could not be built");
        return;
    }
    TileMap map(paths, nullptr);
    for (auto _ : state) {
        bytes.SeekSet(0);
        if (!map.Read(bytes))
            state.SkipWithError("the demo map does not read");
    }
    state.SetBytesProcessed(state.iterations() * bytes.GetSize());
}
BENCHMARK(BM_TileMapReadDemoMap)->Unit(benchmark::kMicrosecond);

class CentredView : public MapView {
public:
    Vector GetPixelsPerUnit() const override { return Vector(16, 12, 0); }
    Vector GetViewOffset() const override { return Vector(400, 300, 0); }
};

// A disc of 64 x 64 in many colours on a magenta key, drawn as a bitmap, made into an
// animation and shown by a player, as creatures are.
bool WriteDiscAnimation(const DataPaths& paths) {
    constexpr int kMagentaKey = 6;
    IndexedBitmap disc;
    if (!disc.Create(kSpriteSide, kSpriteSide, 256))
        return false;
    disc.SetPaletteEntry(0, Colour(255, 0, 255));
    for (int i = 1; i < 256; ++i)
        disc.SetPaletteEntry(i, Colour(static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), 90));
    for (int y = 0; y < kSpriteSide; ++y)
        for (int x = 0; x < kSpriteSide; ++x) {
            const int dx = x - 32, dy = y - 32;
            disc.SetIndex(
                x, y, static_cast<uint8_t>(dx * dx + dy * dy < 31 * 31 ? 1 + (x + y) % 250 : 0));
        }
    const Stringc frames = paths.GetRootDir() + "/frames";
    const Stringc path = paths.GetAnimDir() + "/Bench/disc.ani";
    Animation animation;
    return MakeDirectories(frames + "/f00.bmp") &&
           FileStream::WriteReplacing((frames + "/f00.bmp").c_str(),
                                      [&](Stream& out) { return disc.Write(out); }) &&
           animation.CreateFromBitmaps(frames.c_str(), 1, kMagentaKey) && MakeDirectories(path) &&
           FileStream::WriteReplacing(path.c_str(),
                                      [&](Stream& out) { return animation.Write(out); });
}

// The disc animation in a scratch data tree (the game's data paths while it lives), shown by
// a player.
class DiscSprite {
public:
    explicit DiscSprite(benchmark::State& state) {
        g_dataPaths = &m_paths;
        m_player.SetAnimationName("Bench");
        if (!WriteDiscAnimation(m_paths) || !m_player.SetAnimation("disc", m_pool)) {
            state.SkipWithError("the sprite could not be made");
            return;
        }
        m_player.Update();
        m_ready = true;
    }
    ~DiscSprite() { g_dataPaths = nullptr; }
    DiscSprite(const DiscSprite&) = delete;
    DiscSprite& operator=(const DiscSprite&) = delete;

    bool IsReady() const { return m_ready; }
    AnimationMgr& Player() { return m_player; }

private:
    BenchWorld m_scratch; // its directory holds the animation
    DataPaths m_paths{m_scratch.Root().c_str()};
    UniAnimationMgr m_pool;
    AnimationMgr m_player;
    bool m_ready = false;
};

void BM_ClipMapDrawClipped100Sprites(benchmark::State& state) {
    DiscSprite disc(state);
    if (!disc.IsReady())
        return;
    AnimationMgr& player = disc.Player();

    // Three spans a column over the map rows the sprites reach (map row = screen row + 300).
    ClipMap clip;
    clip.AllocRows(1600, 1200);
    for (uint32_t column = 0; column < 1600; ++column)
        for (uint32_t top : {380u, 600u, 820u}) {
            ClipSpan* span = clip.AddSpan(column, top + column % 7);
            span->bottom = span->base = span->top + 80;
        }
    std::vector<uint16_t> pixels(kScreenWidth * kScreenHeight, 0x1234);
    PixelSurface surface;
    surface.pixels = pixels.data();
    surface.width = surface.pitch = kScreenWidth;
    surface.height = kScreenHeight;
    g_clipRect = Rect{0, 0, kScreenWidth, kScreenHeight};
    const CentredView view;
    for (auto _ : state) {
        for (int sprite = 0; sprite < kSprites; ++sprite) {
            const int x = 20 + 75 * (sprite % 10), y = 10 + 55 * (sprite / 10);
            player.SetScreenPosition(x, y);
            clip.DrawClipped(surface, view, player, y + kSpriteSide, 255);
        }
        benchmark::DoNotOptimize(pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * kSprites);
}
BENCHMARK(BM_ClipMapDrawClipped100Sprites)->Unit(benchmark::kMicrosecond);

// The demo map's largest view over the pond and the wall, its sea standing still, on a
// memory screen in one pixel layout, with every state of the fog somewhere in view.
class ViewScene {
public:
    ViewScene(benchmark::State& state) : m_paths(s_world->Root().c_str()) {
        g_pixelFormat = static_cast<int>(state.range(0));
        SetColourKeys();
        SetColourKeyForVideoMode();
        m_map = std::make_unique<TileMap>(m_paths, nullptr);
        m_water = std::make_unique<WaterMgr>(m_paths, nullptr, m_clock);
        if (!s_world->Built() || !m_map->Load("demo")) {
            state.SkipWithError("the demo map could not be loaded");
            return;
        }
        m_map->SetWater(m_water.get());
        m_map->SetViewSize(TileMap::kLargestView);
        m_map->CentreViewOn(Vector(28, 56, 0));
        for (int y = 0; y < m_map->GetHeight(); ++y)
            for (int x = 0; x < m_map->GetWidth(); ++x) {
                m_map->SetExplored(x, y, (x + y) % 3 != 0);
                m_map->SetInView(x, y, x % 2 == 0);
                m_map->SetExploredEdge(x, y, y % 4 == 0);
                m_map->SetInViewEdge(x, y, y % 5 == 0);
                m_map->SetEdgeDir(x, y, x + y);
            }
        m_surface = PixelSurface{m_pixels.data(), kScreenWidth, kScreenHeight, kScreenWidth};
        g_graphicClipRect = m_map->GetViewRect();
        g_clipRect = m_map->GetViewRect();
        m_ready = Draw();
    }
    ~ViewScene() { g_pixelFormat = kPixelFormat565; }

    bool IsReady() const { return m_ready; }
    TileMap& Map() { return *m_map; }
    const PixelSurface& Surface() const { return m_surface; }
    bool Draw() { return m_map->DrawTiles(m_surface, TileMap::kFogOfWar); }

private:
    DataPaths m_paths;
    GameMode m_clock; // never stepped: the sea stands still
    std::unique_ptr<TileMap> m_map;
    std::unique_ptr<WaterMgr> m_water;
    std::vector<uint16_t> m_pixels = std::vector<uint16_t>(kScreenWidth * kScreenHeight, 0);
    PixelSurface m_surface;
    bool m_ready = false;
};

void BM_MemcpyView(benchmark::State& state) {
    std::vector<uint16_t> from(kViewWidth * kViewHeight, 0x1234), to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * 2);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemcpyView)->Arg(kPixelFormat555)->Arg(kPixelFormat565)->Unit(benchmark::kMicrosecond);

void BM_SteadyFrame(benchmark::State& state) {
    ViewScene scene(state);
    for (auto _ : state)
        if (!scene.IsReady() || !scene.Draw())
            state.SkipWithError("the view could not be drawn");
}
BENCHMARK(BM_SteadyFrame)
    ->Arg(kPixelFormat555)
    ->Arg(kPixelFormat565)
    ->Unit(benchmark::kMicrosecond);

// A new tint recomposes every picture of the view and its border with the fog.
void BM_FogRecomposition(benchmark::State& state) {
    ViewScene scene(state);
    bool dark = false;
    for (auto _ : state) {
        dark = !dark;
        scene.Map().SetTint(dark ? ColourOffset{-1, -1, -2} : ColourOffset{});
        if (!scene.IsReady() || !scene.Draw())
            state.SkipWithError("the view could not be drawn");
    }
}
BENCHMARK(BM_FogRecomposition)
    ->Arg(kPixelFormat555)
    ->Arg(kPixelFormat565)
    ->Unit(benchmark::kMicrosecond);

// One cell down each time, reading a new row of cells; back at the top, untimed, when the
// view reaches the bottom.
void BM_ScrollStep(benchmark::State& state) {
    ViewScene scene(state);
    TileMap& map = scene.Map();
    const float bottom = static_cast<float>(map.GetHeight()) - kViewHeight / 12.0f - 1;
    map.SetViewOrigin(Vector(0, 0, 0));
    scene.Draw();
    for (auto _ : state) {
        const Vector at = map.GetViewPos();
        if (at.y >= bottom) {
            state.PauseTiming();
            map.SetViewOrigin(Vector(0, 0, 0));
            scene.Draw();
            state.ResumeTiming();
        }
        map.SetViewOrigin(map.GetViewPos() + Vector(0, 1, 0));
        if (!scene.IsReady() || !scene.Draw())
            state.SkipWithError("the view could not be drawn");
    }
}
BENCHMARK(BM_ScrollStep)->Arg(kPixelFormat555)->Arg(kPixelFormat565)->Unit(benchmark::kMicrosecond);

// The steady frame with 60 sprites about the wall and the house, drawn through the map's
// clip map as creatures are.
void BM_FrameWith60Sprites(benchmark::State& state) {
    ViewScene scene(state);
    DiscSprite disc(state);
    if (!disc.IsReady())
        return;
    AnimationMgr& player = disc.Player();
    const TileMap& map = scene.Map();
    for (auto _ : state) {
        if (!scene.IsReady() || !scene.Draw())
            state.SkipWithError("the view could not be drawn");
        for (int sprite = 0; sprite < kFrameSprites; ++sprite) {
            const int x = 10 + 78 * (sprite % 10), y = 40 + 75 * (sprite / 10);
            player.SetScreenPosition(x, y);
            map.GetClipMap().DrawClipped(scene.Surface(), map, player, y + kSpriteSide, 255);
        }
    }
}
BENCHMARK(BM_FrameWith60Sprites)
    ->Arg(kPixelFormat555)
    ->Arg(kPixelFormat565)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    BenchWorld world;
    s_world = &world;
    Graphic::InitScratch();
    RatioReporter::Initialize(&argc, argv);
    RatioReporter::Pairs pairs;
    for (const char* layout : {"/0", "/1"})
        for (const char* name :
             {"BM_SteadyFrame", "BM_FogRecomposition", "BM_ScrollStep", "BM_FrameWith60Sprites"})
            pairs.push_back({std::string(name) + layout, std::string("BM_MemcpyView") + layout});
    RatioReporter reporter("The view (layouts 0 = 5-5-5, 1 = 5-6-5) against a plain copy of its "
                           "800 x 485 pixels",
                           pairs, 33);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    Graphic::FreeScratch();
    s_world = nullptr;
    return 0;
}
