// The region re-save tool's pass over a region directory holding one ".reg" of any bytes: a
// file it refuses stays byte for byte and is named as the one that stopped the pass; a file
// it takes is rewritten in a form that a second pass leaves as it is.
#include "Library/graphics/graphic.h"
#include "Library/graphics/graphic_mgr.h"
#include "Library/world/game_mode.h"
#include "Source/creatures/creature_factory.h"
#include "Source/creatures/creature_item_rules.h"
#include "Source/editors/region_resaver.h"
#include "Source/scripting/game_machine_factory.h"
#include "Source/world/entry_pt_mgr.h"
#include "Source/world/offscreen_region.h"
#include "Source/world/weather_mgr.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

namespace {

// What the tool builds before its pass, made once, on the scratch data paths.
struct Resaving {
    Resaving() : scratch(UseScratch()) { g_graphicMgr = &graphics; }

    static bool UseScratch() {
        UseScratchDataPaths();
        return Graphic::InitScratch();
    }

    bool scratch;
    GraphicMgr graphics;
    ScopedGameMachineFactory machines;
    ScopedCreatureFactory creatures;
    CreatureItemRules rules;
    GameMode game;
    OffscreenRegion region{game, nullptr};
    RegionResaver resaver{region.Get()};
};

Resaving& Tool() {
    static Resaving tool;
    return tool;
}

std::string Definition() {
    return WrittenBytes(
        [](Stream& stream) { return Tool().region.Get().SaveDefinition(stream, nullptr); });
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    RegionMgr& region = Tool().region.Get();
    region.Reset();
    const std::string empty = Definition();
    g_entryPtMgr->SetDefault(Vector(34, 32, 0), 0);
    g_entryPtMgr->Add(Vector(3, 2, 0)).name = "gate";
    g_weatherMgr->SetKindChance(WeatherMgr::kRain, 100);
    const std::string placed = Definition();
    region.Reset();
    return {empty, placed};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Resaving& tool = Tool();
    const std::string directory = FuzzDirectory("regions");
    const std::string path = FuzzFile("regions/fuzzed.reg", data, size);
    const std::string given(reinterpret_cast<const char*>(data), size);
    if (!tool.resaver.ResaveDirectory(directory.c_str(), "reg")) {
        const std::string failed = tool.resaver.GetFailedPath().c_str();
        const std::string name = "/fuzzed.reg";
        if (ReadWholeFile(path) != given || failed.size() < name.size() ||
            failed.compare(failed.size() - name.size(), name.size(), name) != 0)
            std::abort();
        return 0;
    }
    const std::string resaved = ReadWholeFile(path);
    if (!tool.resaver.ResaveDirectory(directory.c_str(), "reg") || ReadWholeFile(path) != resaved)
        std::abort();
    return 0;
}
