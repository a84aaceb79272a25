#include "Source/screens/interface_routines.h"

#include "Library/core/stringc.h"
#include "Library/files/data_paths.h"
#include "Library/graphics/graphic_mgr.h"

#include <cstdio>

namespace {

constexpr int kDefaultSplash = 1;

} // namespace

CachedGraphic LoadSplash(GraphicMgr& cache, const char* name) {
    CachedGraphic held;
    if (!g_dataPaths)
        return held;
    Stringc file(name);
    if (file.Length() == 0)
        file.Format("splash%d%s", kDefaultSplash, ".bmp");
    const Stringc path = g_dataPaths->GetGraphicDir() + "/splash/" + file;
    held.cache = &cache;
    held.generation = cache.GetGeneration();
    held.graphic = cache.GetGraphic(path.c_str());
    return held;
}

void FreeGraphic(CachedGraphic& held) {
    if (Graphic* graphic = held.Get())
        held.cache->Remove(graphic);
    held = CachedGraphic();
}

const char* const g_tooHeavyText = "That item is too heavy for you to carry.";

void ReportNotBuilt(const char* button, const char* missing) {
    std::fprintf(stderr, "\"%s\" does nothing yet: %s is not built\n", button, missing);
}
