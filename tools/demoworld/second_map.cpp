#include "tools/demoworld/second_map.h"

#include "Library/world/tile_grid.h"
#include "tools/demoworld/demo_map.h"
#include "tools/demoworld/map_writer.h"

namespace {

constexpr int kTreeBelt = 3;
constexpr int kPathLeft = 29, kPathRight = 30, kPathEnd = 40;
constexpr int kClearingX = 30, kClearingY = 46, kClearingRadius = 7;

bool InCells(int column, int row, int left, int top, int right, int bottom) {
    return column >= left && column <= right && row >= top && row <= bottom;
}

bool IsTreeBelt(int column, int row) {
    if (row < kTreeBelt)
        return column < SecondMap::kRoadLeft || column > SecondMap::kRoadRight;
    return column < kTreeBelt || column >= SecondMap::kColumns - kTreeBelt ||
           row >= SecondMap::kRows - kTreeBelt;
}

} // namespace

int SecondMap::TypeAt(int column, int row) {
    if (IsTreeBelt(column, row))
        return DemoMap::kTrees;
    if (InCells(column, row, kPathLeft, 0, kPathRight, kPathEnd))
        return DemoMap::kPath;
    const int dx = column - kClearingX, dy = row - kClearingY;
    if (dx * dx + dy * dy <= kClearingRadius * kClearingRadius)
        return DemoMap::kSand;
    if (InCells(column, row, 44, 20, 48, 24))
        return DemoMap::kRock;
    if (InCells(column, row, 10, 30, 14, 33))
        return DemoMap::kBushes;
    return DemoMap::kGrass;
}

bool SecondMap::Write() const {
    const MapWriter writer(m_paths, kName, kColumns, kRows);
    const auto pixel = [](int x, int y) {
        return DemoMap::GroundColour(TypeAt(x / TileGrid::kTileWidth, y / TileGrid::kTileHeight), x,
                                     y);
    };
    const auto height = [](int column, int row) {
        return TypeAt(column, row) == DemoMap::kRock ? 140 : 100;
    };
    return writer.WriteImage(pixel) &&
           writer.WriteClip([](int, int) { return Colour(255, 0, 255); }) &&
           writer.WriteLayers(
               TypeAt, height, {Colour(255, 255, 255)}, [](int, int) { return 0; },
               [](int type) { return DemoMap::GroundColour(type, 1, 2); }) &&
           writer.BuildAndSave();
}
