// regresave DATA_ROOT: rewrites every region file under DATA_ROOT/Data/Region in the current
// form, from the loose files. On failure it names the path that stopped it and exits 1; the
// regions re-saved before it stay re-saved.

#include "Library/files/data_paths.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/graphic_mgr.h"
#include "Library/world/game_mode.h"
#include "Source/creatures/creature_factory.h"
#include "Source/creatures/creature_item_rules.h"
#include "Source/editors/region_resaver.h"
#include "Source/scripting/game_machine_factory.h"
#include "Source/world/offscreen_region.h"
#include "platform/win_io.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: regresave DATA_ROOT\n");
        return 2;
    }
    struct stat info;
    if (_stat(argv[1], &info) != 0 || !S_ISDIR(info.st_mode)) {
        std::fprintf(stderr, "regresave: %s is not a directory\n", argv[1]);
        return 1;
    }
    GameMode game;
    game.BuildPaths(argv[1]);
    g_dataPaths = &game.Paths();
    if (!Graphic::InitScratch()) {
        std::fprintf(stderr, "regresave: no scratch image for the entities' pictures\n");
        return 1;
    }
    bool resaved = false;
    Stringc failed;
    {
        GraphicMgr graphics;
        g_graphicMgr = &graphics;
        const ScopedGameMachineFactory machines;
        const ScopedCreatureFactory creatures; // placed soldiers, and what they carry
        const CreatureItemRules rules;
        OffscreenRegion region(game, nullptr);
        RegionResaver resaver(region.Get());
        resaved = resaver.ResaveAll();
        failed = resaver.GetFailedPath();
        g_graphicMgr = nullptr;
    }
    Graphic::FreeScratch();
    g_dataPaths = nullptr;
    if (resaved)
        return 0;
    std::fprintf(stderr, "regresave: %s cannot be re-saved\n", failed.c_str());
    return 1;
}
