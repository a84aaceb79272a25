#include "Source/scripting/map_bounds.h"

#include "Library/core/vector.h"
#include "Library/world/tile_map.h"

bool IsOnMap(const TileMap& map, const Vector& point) {
    return point.x >= 0 && point.y >= 0 && point.x < map.GetWidth() && point.y < map.GetHeight();
}
