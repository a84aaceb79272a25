// A new map from its images, and the editor's saving of the layers it is built from.
#include "Library/world/tile_map.h"

#include "Library/files/data_paths.h"
#include "Library/files/file_stream.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/indexed_bitmap.h"
#include "Library/graphics/screen.h"
#include "Library/graphics/tga_header.h"

#include <array>
#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <vector>

namespace {

// Types in the order their colours are matched, so that of two types whose colours share a
// palette entry the earlier one is taken.
constexpr int kTypeMatchOrder[TileRecord::kTypeCount] = {0, 1, 2, 7, 3, 5, 6, 8, 9, 10, 11, 4};
constexpr int kNoType = -1;
constexpr uint16_t kWater555 = 0x03E0; // pure green in a 16-bit image, before any conversion

bool Fail(const char* message) {
    std::fputs(message, stderr);
    return false;
}

bool FailWith(const char* source, const char* problem) {
    std::fprintf(stderr, "%s: %s\n", source, problem);
    return false;
}

Colour TypeColour(int type) {
    Colour colour;
    colour.ByIndex(type);
    return colour;
}

// Pure green at the image's own depth, and on the checkerboard the water animation shows
// through.
bool IsWaterPixel(const uint8_t* pixel, int bits, int x, int y) {
    if ((x + y) % 2 != 0)
        return false;
    if (bits == 16)
        return ((pixel[0] | pixel[1] << 8) & 0x7FFF) == kWater555;
    return pixel[0] == 0 && pixel[1] == 255 && pixel[2] == 0;
}

// The three light channels in one number, channel 1 highest.
uint32_t LightKey(const TileRecord& cell) {
    return static_cast<uint32_t>(cell.GetLight(1) << 16 | cell.GetLight(2) << 8 | cell.GetLight(3));
}

} // namespace

bool TileMap::CreateLayers(const char* imageName) {
    Contents staged;
    if (!CreateLayersAside(imageName, staged))
        return false;
    Take(std::move(staged));
    return true;
}

bool TileMap::CreateLayersAside(const char* imageName, Contents& staged) const {
    staged.names[kMapImage] = imageName;
    const Stringc imagePath = MapGraphicPath(imageName);
    Stringc baseName(imageName);
    baseName = baseName.FileName();
    int pixelWidth = 0, pixelHeight = 0;
    if (!Graphic::ReadImageSize(imagePath.c_str(), pixelWidth, pixelHeight))
        return FailWith(imagePath.c_str(), "the map image's size cannot be read");
    if (pixelWidth > INT16_MAX || pixelHeight > INT16_MAX)
        return FailWith(imagePath.c_str(), "the map image is too large for its scroll bounds");
    staged.scrollBounds = Rect::Make(0, 0, pixelWidth, pixelHeight);
    if (!staged.grid.Allocate(pixelWidth / TileGrid::kTileWidth,
                              pixelHeight / TileGrid::kTileHeight))
        return FailWith(imagePath.c_str(), "the map image is smaller than one tile");
    staged.names[kMinimapImage] = baseName + "_MM.bmp";
    staged.names[kSearchImage] = baseName + "_SR.bmp";
    staged.names[kHeightImage] = baseName + "_HT.bmp";
    staged.names[kLightImage] = baseName + "_LM.bmp";

    if (!ReadTileTypeMap(MapGraphicPath(staged.names[kSearchImage]), staged.grid))
        return Fail("Failed to create Search Map\n");
    if (!ReadHeightMap(MapGraphicPath(staged.names[kHeightImage]), staged.grid))
        return Fail("Failed to create Height Map\n");
    if (!ReadLightMap(MapGraphicPath(staged.names[kLightImage]), staged.grid))
        return Fail("Failed to create Light Map\n");
    if (!staged.clipMap.BuildFromImage(MapGraphicPath(baseName + "_clip.tga").c_str()))
        return Fail("Failed to create Clip Map\n");
    if (!BuildWaterTiles(MapGraphicPath(baseName + ".tga"), staged.grid))
        return Fail("Failed to create Water Tiles\n");
    return OpenMapImage(staged, imageName);
}

TileMap::Layer TileMap::LoadLayer(const Stringc& path, const TileGrid& grid,
                                  IndexedBitmap& bitmap) {
    FileStream file(path.c_str(), kStreamReadBinary);
    if (!file.IsOpen())
        return Layer::kMissing;
    if (!bitmap.Read(file, path.c_str()))
        return Layer::kBroken;
    if (bitmap.GetWidth() < grid.GetWidth() || bitmap.GetHeight() < grid.GetHeight()) {
        std::fprintf(stderr, "%s: %d x %d pixels cannot cover a map of %d x %d cells\n",
                     path.c_str(), bitmap.GetWidth(), bitmap.GetHeight(), grid.GetWidth(),
                     grid.GetHeight());
        return Layer::kBroken;
    }
    return Layer::kLoaded;
}

bool TileMap::ReadTileTypeMap(const Stringc& path, TileGrid& grid) {
    IndexedBitmap bitmap;
    switch (LoadLayer(path, grid, bitmap)) {
    case Layer::kMissing:
        for (TileRecord& cell : grid)
            cell.SetType(0);
        return true;
    case Layer::kBroken:
        return false;
    case Layer::kLoaded:
        break;
    }
    std::array<int, IndexedBitmap::kPaletteSize> typeOfIndex;
    typeOfIndex.fill(kNoType);
    for (int i = TileRecord::kTypeCount - 1; i >= 0; --i) { // the earliest match written last
        const int type = kTypeMatchOrder[i];
        const Colour colour = TypeColour(type);
        typeOfIndex[NearestPaletteEntry(bitmap.GetPalette(), bitmap.GetPaletteCount(), colour.red,
                                        colour.green, colour.blue)] = type;
    }
    for (int y = 0; y < grid.GetHeight(); ++y)
        for (int x = 0; x < grid.GetWidth(); ++x) {
            const int type = typeOfIndex[bitmap.GetIndex(x, y)];
            if (type == kNoType) {
                std::fprintf(stderr, "%s: pixel (%d, %d) is no tile type's colour\n", path.c_str(),
                             x, y);
                return false;
            }
            grid.At(x, y).SetType(type);
        }
    return true;
}

bool TileMap::ReadHeightMap(const Stringc& path, TileGrid& grid) {
    IndexedBitmap bitmap;
    const Layer layer = LoadLayer(path, grid, bitmap);
    for (int y = 0; y < grid.GetHeight() && layer != Layer::kBroken; ++y)
        for (int x = 0; x < grid.GetWidth(); ++x)
            grid.At(x, y).SetHeight(layer == Layer::kLoaded ? bitmap.GetColourAt(x, y).red
                                                            : kDefaultHeight);
    return layer != Layer::kBroken;
}

bool TileMap::ReadLightMap(const Stringc& path, TileGrid& grid) {
    IndexedBitmap bitmap;
    const Layer layer = LoadLayer(path, grid, bitmap);
    for (int y = 0; y < grid.GetHeight() && layer != Layer::kBroken; ++y)
        for (int x = 0; x < grid.GetWidth(); ++x) {
            const Colour light =
                layer == Layer::kLoaded
                    ? bitmap.GetColourAt(x, y)
                    : Colour(TileRecord::kUnlit, TileRecord::kUnlit, TileRecord::kUnlit);
            grid.At(x, y).SetLights(light.red, light.green, light.blue);
        }
    return layer != Layer::kBroken;
}

// Water pixels outside the map's cells (the image's ragged right and bottom edges) are
// ignored.
bool TileMap::BuildWaterTiles(const Stringc& path, TileGrid& grid) {
    FileStream file(path.c_str(), kStreamReadBinary);
    if (!file.IsOpen())
        return FailWith(path.c_str(), "the water image cannot be opened");
    TgaHeader header;
    const char* problem = nullptr;
    if (!header.Read(file, &problem))
        return FailWith(path.c_str(), problem);
    if (file.SeekSet(header.dataOffset) < 0 || file.Remaining() < header.DataSize())
        return FailWith(path.c_str(), "the pixels run past the end of the file");
    const int bytesPerPixel = header.bits / 8;
    std::vector<uint8_t> row(static_cast<size_t>(header.RowBytes()));
    for (int stored = 0; stored < header.height; ++stored) {
        if (file.Read(row.data(), header.RowBytes()) != kStreamOk)
            return FailWith(path.c_str(), "the pixels are cut short");
        const int y = header.height - 1 - stored;
        for (int x = 0; x < header.width; ++x)
            if (IsWaterPixel(row.data() + x * bytesPerPixel, header.bits, x, y))
                if (TileRecord* cell =
                        grid.Find(x / TileGrid::kTileWidth, y / TileGrid::kTileHeight))
                    cell->Set(TileRecord::kWater, true);
    }
    return true;
}

namespace {

// One pixel per cell, index(cell), in a palette of paletteCount entries.
bool PaintLayer(IndexedBitmap& bitmap, const TileGrid& grid, int paletteCount,
                const std::function<Colour(int)>& entry,
                const std::function<int(const TileRecord&)>& index) {
    if (!bitmap.Create(grid.GetWidth(), grid.GetHeight(), paletteCount))
        return false;
    for (int i = 0; i < paletteCount; ++i)
        bitmap.SetPaletteEntry(i, entry(i));
    for (int y = 0; y < grid.GetHeight(); ++y)
        for (int x = 0; x < grid.GetWidth(); ++x)
            bitmap.SetIndex(x, y, static_cast<uint8_t>(index(grid.At(x, y))));
    return true;
}

} // namespace

// Types in the palette of the twelve type colours; heights in 256 greys; lights as red, green
// and blue in a palette of the map's distinct lights, at most 256 of them.
bool TileMap::MakeLayerImage(ImageName layer, const TileGrid& grid, IndexedBitmap& bitmap) {
    switch (layer) {
    case kSearchImage:
        return PaintLayer(bitmap, grid, TileRecord::kTypeCount, TypeColour,
                          [](const TileRecord& cell) { return cell.GetType(); });
    case kHeightImage:
        return PaintLayer(
            bitmap, grid, IndexedBitmap::kPaletteSize,
            [](int level) {
                const uint8_t value = static_cast<uint8_t>(level);
                return Colour(value, value, value);
            },
            [](const TileRecord& cell) { return cell.GetHeight(); });
    case kLightImage:
        break;
    default:
        return false;
    }
    std::map<uint32_t, int> indexOfLight;
    for (const TileRecord& cell : grid)
        indexOfLight.emplace(LightKey(cell), static_cast<int>(indexOfLight.size()));
    const int count = static_cast<int>(indexOfLight.size());
    if (count > IndexedBitmap::kPaletteSize)
        return false;
    std::vector<Colour> palette(static_cast<size_t>(count));
    for (const auto& [light, index] : indexOfLight)
        palette[static_cast<size_t>(index)] =
            Colour(static_cast<uint8_t>(light >> 16), static_cast<uint8_t>(light >> 8),
                   static_cast<uint8_t>(light));
    return PaintLayer(
        bitmap, grid, count, [&palette](int index) { return palette[static_cast<size_t>(index)]; },
        [&indexOfLight](const TileRecord& cell) { return indexOfLight.at(LightKey(cell)); });
}

bool TileMap::SaveLayer(ImageName layer) const {
    const Stringc path = MapGraphicPath(m_map.names[layer]);
    IndexedBitmap bitmap;
    if (!MakeLayerImage(layer, m_map.grid, bitmap))
        return FailWith(path.c_str(), layer == kLightImage && !LightsFitLayerImage(m_map.grid)
                                          ? "the map has more than 256 lights for one 8-bit image"
                                          : "no layer image can be made for this map");
    if (FileStream::WriteReplacing(path.c_str(),
                                   [&bitmap](Stream& stream) { return bitmap.Write(stream); }))
        return true;
    return FailWith(path.c_str(), "the layer image cannot be written");
}

bool TileMap::SaveTileTypeMap() const {
    return SaveLayer(kSearchImage);
}

bool TileMap::SaveHeightMap() const {
    return SaveLayer(kHeightImage);
}

bool TileMap::LightsFitLayerImage(const TileGrid& grid) {
    std::set<uint32_t> lights;
    for (const TileRecord& cell : grid)
        if (lights.insert(LightKey(cell)).second &&
            lights.size() > static_cast<size_t>(IndexedBitmap::kPaletteSize))
            return false;
    return true;
}

bool TileMap::SaveLightMap() const {
    return SaveLayer(kLightImage);
}
