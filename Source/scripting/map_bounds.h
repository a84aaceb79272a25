#pragma once
// Where scripts may put things: on the map, 0 <= x < its width and 0 <= y < its height, so
// a point on the far edge, which has no cell, is refused.

class TileMap;
class Vector;

bool IsOnMap(const TileMap& map, const Vector& point);
