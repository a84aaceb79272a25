// Reading the demo world's first map (100 x 100 cells with its clip map), and drawing 100
// sprites of 64 x 64 through a clip map of about three spans per column.

#include "Library/files/data_paths.h"
#include "Library/files/directory_list.h"
#include "Library/files/file_stream.h"
#include "Library/files/mem_stream.h"
#include "Library/geometry/map_view.h"
#include "Library/graphics/animation.h"
#include "Library/graphics/animation_mgr.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/indexed_bitmap.h"
#include "Library/graphics/pixel_surface.h"
#include "Library/graphics/screen.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "Library/world/clip_map.h"
#include "Library/world/tile_map.h"
#include "bench/bench_world.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kScreenWidth = 800, kScreenHeight = 600;
constexpr int kSpriteSide = 64;
constexpr int kSprites = 100;

void BM_TileMapReadDemoMap(benchmark::State& state) {
    BenchWorld world;
    DataPaths paths(world.Root().c_str());
    MemStream bytes(kStreamReadBinary);
    FileStream file((paths.GetTileMapDir() + "/demo.map").c_str(), kStreamReadBinary);
    if (!world.Built() || !file.IsOpen() || !bytes.LoadAll(file)) {
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

void BM_ClipMapDrawClipped100Sprites(benchmark::State& state) {
    BenchWorld scratch; // its directory holds the animation
    DataPaths paths(scratch.Root().c_str());
    g_dataPaths = &paths;
    UniAnimationMgr pool;
    AnimationMgr player;
    player.SetAnimationName("Bench");
    if (!WriteDiscAnimation(paths) || !player.SetAnimation("disc", pool)) {
        state.SkipWithError("the sprite could not be made");
        g_dataPaths = nullptr;
        return;
    }
    player.Update();

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
    g_dataPaths = nullptr;
}
BENCHMARK(BM_ClipMapDrawClipped100Sprites)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
