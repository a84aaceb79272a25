#include "Source/screens/interface_routines.h"

#include "Library/core/stringc.h"
#include "Library/files/data_paths.h"
#include "Library/graphics/graphic_mgr.h"
#include "Library/interface/interface.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_data.h"

namespace {

constexpr int kDefaultSplash = 1;
constexpr const char* kSidePanels[] = {"side_panel_small.tga", "side_panel_medium.tga",
                                       "side_panel_large.tga"};

} // namespace

CachedGraphic TakeGraphic(GraphicMgr& cache, const char* path) {
    CachedGraphic held;
    held.cache = &cache;
    held.generation = cache.GetGeneration();
    held.graphic = cache.GetGraphic(path);
    return held;
}

CachedGraphic LoadSplash(GraphicMgr& cache, const char* name) {
    if (!g_dataPaths)
        return CachedGraphic();
    Stringc file(name);
    if (file.Length() == 0)
        file.Format("splash%d%s", kDefaultSplash, ".bmp");
    const Stringc path = g_dataPaths->GetGraphicDir() + "/splash/" + file;
    return TakeGraphic(cache, path.c_str());
}

void FreeGraphic(CachedGraphic& held) {
    if (Graphic* graphic = held.Get())
        held.cache->Remove(graphic);
    held = CachedGraphic();
}

void HitPointsOf(Entity* creature, int& hitPoints, int& maximum) {
    hitPoints = maximum = 0;
    if (const Creature* rules = Creature::Of(creature)) {
        hitPoints = static_cast<int>(rules->GetData().GetHitPoints());
        maximum = static_cast<int>(rules->GetData().GetMaxHitPoints());
    }
}

CachedGraphic LoadSidePanel() {
    const int viewSize = g_tileMap ? g_tileMap->GetViewSize() : TileMap::kLargestView;
    if (viewSize < 0 || viewSize >= TileMap::kLargestView || g_interface == nullptr)
        return CachedGraphic();
    const Stringc path = g_gameMode->GetInterfaceDir() + "/" + kSidePanels[viewSize];
    return TakeGraphic(g_interface->GetImages(), path.c_str());
}

const char* const g_tooHeavyText = "That item is too heavy for you to carry.";
