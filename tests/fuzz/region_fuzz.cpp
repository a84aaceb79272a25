// The ".reg" region definition: any bytes read without a fault; what a read takes writes
// bytes that read back to the same region, and the region's world runs a few frames on it.
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/world/ambient_snd_mgr.h"
#include "Source/world/entry_pt_mgr.h"
#include "Source/world/region_header_store.h"
#include "Source/world/region_mgr.h"
#include "Source/world/weather_mgr.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>
#include <memory>

namespace {

// The managers of one region, made once: no sound, clock, mouse or map actions, and a map
// with no cells.
struct FuzzRegion {
    FuzzRegion() {
        UseScratchDataPaths();
        map = std::make_unique<TileMap>(*g_dataPaths, nullptr);
        mapSlot = map.get();
        region = std::make_unique<RegionMgr>(RegionMgr::Services{
            game, nullptr, mapSlot, sound, mouse, actions, highlighter, clock, entities});
    }

    GameMode game;
    std::unique_ptr<TileMap> map;
    TileMap* mapSlot = nullptr;
    SoundMgr* sound = nullptr;
    MouseMgr* mouse = nullptr;
    MapActions* actions = nullptr;
    EntityHighlighter* highlighter = nullptr;
    GameClock* clock = nullptr;
    RegionHeaderStore entities;
    std::unique_ptr<RegionMgr> region;
};

FuzzRegion& Region() {
    static FuzzRegion region;
    return region;
}

std::string Definition() {
    return WrittenBytes(
        [](Stream& stream) { return Region().region->SaveDefinition(stream, nullptr); });
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    RegionMgr& region = *Region().region;
    region.Reset();
    const std::string empty = Definition();
    g_entryPtMgr->SetDefault(Vector(34, 32, 0), 0);
    g_entryPtMgr->Add(Vector(3, 2, 0)).name = "gate";
    g_entryPtMgr->Add(Vector(8, 9, 0)).facing = 5;
    AmbientSnd& brook = g_ambientSndMgr->AddAt(Vector(12.5f, 8, 0));
    brook.SetSound(0, "brook");
    brook.SetSound(3, "ripple");
    g_ambientSndMgr->AddAt(Vector(1, 1, 0)).SetContinuous(false);
    g_weatherMgr->SetKindChance(WeatherMgr::kRain, 100);
    const std::string calm = Definition();
    for (int frame = 0; frame < 2000 && g_weatherMgr->GetState() < WeatherMgr::kUpdateWeather;
         ++frame)
        g_weatherMgr->Update(500);
    const std::string raining = Definition();
    region.Reset();
    return {empty, calm, raining};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    RegionMgr& region = *Region().region;
    FuzzInput input(data, size);
    if (!region.LoadDefinition(input, nullptr))
        return 0;
    const std::string saved = Definition();
    FuzzInput again(reinterpret_cast<const uint8_t*>(saved.data()), saved.size());
    if (!region.LoadDefinition(again, nullptr) || Definition() != saved)
        std::abort();
    for (int frame = 0; frame < 3; ++frame)
        g_weatherMgr->Update(33);
    return 0;
}
