// The ".reg" region definition: any bytes read without a fault; what a read takes writes
// bytes that read back to the same region, and its weather runs a few frames on it.
#include "Library/world/game_mode.h"
#include "Source/world/ambient_snd_mgr.h"
#include "Source/world/entry_pt_mgr.h"
#include "Source/world/offscreen_region.h"
#include "Source/world/weather_mgr.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

namespace {

// The managers of one region, made once, on the scratch data paths.
struct FuzzRegion {
    FuzzRegion() { UseScratchDataPaths(); }

    GameMode game;
    OffscreenRegion region{game, nullptr};
};

FuzzRegion& Region() {
    static FuzzRegion region;
    return region;
}

std::string Definition() {
    return WrittenBytes(
        [](Stream& stream) { return Region().region.Get().SaveDefinition(stream, nullptr); });
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    RegionMgr& region = Region().region.Get();
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
    RegionMgr& region = Region().region.Get();
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
