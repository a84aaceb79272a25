#include "tools/demoworld/field_images.h"

#include "Library/world/tile_grid.h"
#include "tools/demoworld/demo_map.h"
#include "tools/demoworld/map_writer.h"

namespace {

constexpr int kPondX = 12, kPondY = 9;
constexpr int kWallRow = 20, kGapLeft = 18, kGapRight = 21;
constexpr int kWallFaceRows = 2; // the wall's face rises this many cells above its row

int PondDistance(int column, int row) {
    const int dx = column - kPondX, dy = row - kPondY;
    return dx * dx + dy * dy;
}

bool IsWall(int column, int row) {
    return row == kWallRow && (column < kGapLeft || column > kGapRight);
}

// The wall's face, in front of whoever stands just north of it.
bool IsWallFace(int x, int y) {
    const int column = x / TileGrid::kTileWidth, row = y / TileGrid::kTileHeight;
    return row >= kWallRow - kWallFaceRows && row <= kWallRow &&
           (column < kGapLeft || column > kGapRight);
}

Colour PixelAt(int x, int y) {
    if (IsWallFace(x, y))
        return (y % 6 == 0 || (x + (y / 6) * 5) % 12 == 0) ? Colour(90, 90, 90)
                                                           : Colour(150, 150, 146);
    return DemoMap::GroundColour(
        FieldImages::TypeAt(x / TileGrid::kTileWidth, y / TileGrid::kTileHeight), x, y);
}

} // namespace

int FieldImages::TypeAt(int column, int row) {
    if (IsWall(column, row))
        return DemoMap::kWall;
    const int pond = PondDistance(column, row);
    if (pond <= 9)
        return DemoMap::kDeepWater;
    if (pond <= 16)
        return DemoMap::kShallows;
    if (pond <= 25)
        return DemoMap::kSand;
    if (column >= kGapLeft && column <= kGapRight && row > kWallRow)
        return DemoMap::kPath;
    return DemoMap::kGrass;
}

bool FieldImages::Write() const {
    const MapWriter writer(m_paths, kName, kColumns, kRows);
    const auto height = [](int column, int row) {
        if (IsWall(column, row))
            return 200;
        return 100 + column; // the field rises to the east
    };
    const std::vector<Colour> lights = {Colour(255, 255, 255), Colour(210, 210, 230)};
    const auto light = [](int column, int row) { return row > kWallRow && column < 8 ? 1 : 0; };
    return writer.WriteImage(PixelAt) && writer.WriteClip([](int x, int y) {
        return IsWallFace(x, y) ? PixelAt(x, y) : Colour(255, 0, 255);
    }) && writer.WriteLayers(TypeAt, height, lights, light, [](int type) {
        return DemoMap::GroundColour(type, 1, 2);
    });
}
