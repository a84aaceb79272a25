#include "Source/screens/cached_graphic.h"

#include "Library/graphics/graphic_mgr.h"

Graphic* CachedGraphic::Get() const {
    return cache && cache->GetGeneration() == generation ? graphic : nullptr;
}
