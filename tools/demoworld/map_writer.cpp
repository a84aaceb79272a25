#include "tools/demoworld/map_writer.h"

#include "Library/files/data_paths.h"
#include "Library/files/directory_list.h"
#include "Library/files/file_stream.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/indexed_bitmap.h"
#include "Library/world/tile_grid.h"
#include "Library/world/tile_map.h"
#include "Library/world/tile_record.h"
#include "Source/screens/game_map_panel.h"
#include "tools/demoworld/demo_output.h"

#include <cstdio>

namespace {

Colour TypeColour(int type) {
    Colour colour;
    colour.ByIndex(type);
    return colour;
}

} // namespace

MapWriter::MapWriter(const DataPaths& paths, const char* name, int columns, int rows)
    : m_paths(paths), m_name(name), m_columns(columns), m_rows(rows) {}

// A 16-bit ".tga" of the whole map.
bool MapWriter::WriteTga(const Stringc& path, const Pixel& pixel) const {
    const int width = m_columns * TileGrid::kTileWidth;
    const int height = m_rows * TileGrid::kTileHeight;
    Graphic image;
    if (!image.Create(width, height))
        return false;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.SetPixel(x, y, pixel(x, y).Pack16());
    return WriteDemoFile(path, [&image](Stream& stream) { return image.WriteTga(stream); });
}

// An 8-bit picture of width x height pixels, each the palette entry of the cell under it.
bool MapWriter::WriteLayer(const Stringc& path, int width, int height, int paletteCount,
                           const std::function<Colour(int)>& entry, const Cell& index) const {
    IndexedBitmap layer;
    if (!layer.Create(width, height, paletteCount))
        return false;
    for (int i = 0; i < paletteCount; ++i)
        layer.SetPaletteEntry(i, entry(i));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            layer.SetIndex(x, y,
                           static_cast<uint8_t>(index(x * m_columns / width, y * m_rows / height)));
    return WriteDemoFile(path, [&layer](Stream& stream) { return layer.Write(stream); });
}

bool MapWriter::WriteLayer(const Stringc& path, int paletteCount,
                           const std::function<Colour(int)>& entry, const Cell& index) const {
    return WriteLayer(path, m_columns, m_rows, paletteCount, entry, index);
}

bool MapWriter::WriteImage(const Pixel& pixel) const {
    return WriteTga(m_paths.GetMapGraphicDir() + "/" + m_name + ".tga", pixel);
}

bool MapWriter::WriteClip(const Pixel& pixel) const {
    return WriteTga(m_paths.GetMapGraphicDir() + "/" + m_name + "_clip.tga", pixel);
}

bool MapWriter::WriteLayers(const Cell& type, const Cell& height, const std::vector<Colour>& lights,
                            const Cell& light,
                            const std::function<Colour(int type)>& minimap) const {
    const Stringc base = m_paths.GetMapGraphicDir() + "/" + m_name;
    return WriteLayer(base + "_SR.bmp", TileRecord::kTypeCount, TypeColour, type) &&
           WriteLayer(
               base + "_HT.bmp", 256,
               [](int i) { return Colour(static_cast<uint8_t>(i), static_cast<uint8_t>(i), 0); },
               height) &&
           WriteLayer(
               base + "_LM.bmp", static_cast<int>(lights.size()),
               [&lights](int i) { return lights[static_cast<size_t>(i)]; }, light) &&
           WriteLayer(base + "_MM.bmp", OverviewWidth(m_columns), OverviewHeight(m_rows),
                      TileRecord::kTypeCount, minimap, type);
}

bool MapWriter::BuildAndSave() const {
    TileMap map(m_paths, nullptr);
    if (!map.CreateLayers((m_name + ".tga").c_str())) {
        std::fprintf(stderr, "demoworld: the map \"%s\" cannot be built\n", m_name.c_str());
        return false;
    }
    return WriteDemoFile(m_paths.GetTileMapDir() + "/" + m_name + ".map",
                         [&map](Stream& stream) { return map.SaveFromEditor(stream); });
}

int MapWriter::OverviewWidth(int columns) {
    return static_cast<int>(static_cast<float>(columns * TileGrid::kTileWidth) *
                            GameMapPanel::kPictureScale);
}

int MapWriter::OverviewHeight(int rows) {
    return static_cast<int>(static_cast<float>(rows * TileGrid::kTileHeight) *
                            GameMapPanel::kPictureScale);
}
