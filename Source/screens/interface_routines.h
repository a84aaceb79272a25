#pragma once
// Routines the game screens share.

#include "Source/screens/cached_graphic.h"

class Entity;
class GraphicMgr;

// The picture of the path through the cache, held with the cache's generation.
CachedGraphic TakeGraphic(GraphicMgr& cache, const char* path);

// The splash picture of the name from the graphic directory's "splash" folder through the
// cache; the empty name gives the default "splash1.bmp". No picture when it cannot be loaded.
CachedGraphic LoadSplash(GraphicMgr& cache, const char* name);

// Gives the picture back to its cache, unless the cache was cleared since it was handed
// out; the holder is emptied either way.
void FreeGraphic(CachedGraphic& held);

// The creature's hit points and their maximum as the screens show them: truncated; 0 and 0
// for anything but a creature.
void HitPointsOf(Entity* creature, int& hitPoints, int& maximum);

// The picture beside the map view at the tile map's view size, from the interface's images;
// none at the largest view, which leaves no room for one.
CachedGraphic LoadSidePanel();

// Said when an item would take a creature over its carry weight.
extern const char* const g_tooHeavyText;
