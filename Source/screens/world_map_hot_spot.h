#pragma once
// A place that a script names on an area's close view of the world map: where its button
// sits and the map and entry point that choosing it leads to.

#include "Library/core/stringc.h"
#include "Library/core/vector.h"

struct WorldMapHotSpot {
    Stringc name;    // the button's label, and how a click finds the record again
    Vector position; // x and y within the area window
    Stringc mapName;
    Stringc entryName;
};
