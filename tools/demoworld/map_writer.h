#pragma once
// Writes an area map's pictures and builds the map from them as the map editor does: the
// map image "<name>.tga", its clip image, the type, height and light layers of one pixel per
// cell, the overview picture "<name>_MM.bmp" at the map picture screen's scale, and
// "Data/TileMap/<name>.map" built by the tile map from them.

#include "Library/core/stringc.h"
#include "Library/graphics/colour.h"

#include <functional>
#include <vector>

class DataPaths;

class MapWriter {
public:
    using Pixel = std::function<Colour(int x, int y)>;
    using Cell = std::function<int(int column, int row)>;

    MapWriter(const DataPaths& paths, const char* name, int columns, int rows);

    bool WriteImage(const Pixel& pixel) const;
    bool WriteClip(const Pixel& pixel) const; // magenta where nothing stands in front
    // The types in the type colours, the heights in greys, the lights by index into
    // lights, and the minimap in the colour each type shows.
    bool WriteLayers(const Cell& type, const Cell& height, const std::vector<Colour>& lights,
                     const Cell& light, const std::function<Colour(int type)>& minimap) const;
    bool BuildAndSave() const;

    // The overview's size for a map of so many cells.
    static int OverviewWidth(int columns);
    static int OverviewHeight(int rows);

private:
    bool WriteTga(const Stringc& path, const Pixel& pixel) const;
    bool WriteLayer(const Stringc& path, int width, int height, int paletteCount,
                    const std::function<Colour(int)>& entry, const Cell& index) const;
    bool WriteLayer(const Stringc& path, int paletteCount, const std::function<Colour(int)>& entry,
                    const Cell& index) const;

    const DataPaths& m_paths;
    Stringc m_name;
    int m_columns;
    int m_rows;
};
