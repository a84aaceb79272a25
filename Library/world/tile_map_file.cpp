// The ".map" file: loading, reading and writing.
#include "Library/world/tile_map.h"

#include "Library/core/stream.h"
#include "Library/files/data_file.h"
#include "Library/files/data_paths.h"
#include "Library/files/file_stream.h"
#include "Library/files/mem_stream.h"
#include "Library/files/stored_name.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

bool Fail(const char* source, const char* problem) {
    std::fprintf(stderr, "%s: %s\n", source, problem);
    return false;
}

// A stored origin that is not a number puts the view at the map's corner.
float FiniteOr0(float value) {
    return std::isfinite(value) ? value : 0.0f;
}

// No folder, neither "." nor "..".
bool IsPlainFileName(const Stringc& name) {
    const char* text = name.c_str();
    return std::strpbrk(text, "/\\") == nullptr && std::strcmp(text, ".") != 0 &&
           std::strcmp(text, "..") != 0;
}

// The save writes every layer as a bitmap: under another extension it would pass for a
// picture of that kind.
bool IsBitmapName(Stringc name) {
    return name.Extension() == "bmp";
}

} // namespace

bool TileMap::Load(const char* name) {
    Contents staged;
    if (!LoadAside(name, staged))
        return false;
    Adopt(std::move(staged));
    return true;
}

Stringc TileMap::TileMapPath(const char* name) const {
    return m_paths.GetTileMapDir() + "/" + name + ".map";
}

bool TileMap::LoadAside(const char* name, Contents& staged) const {
    const Stringc path = TileMapPath(name);
    MemStream data(kStreamReadBinary);
    return LoadDataFile(&m_paths, path.c_str(), m_archive, data) &&
           ReadAside(data, path.c_str(), staged);
}

// The editor's save writes these layers beside the map image under their stored names,
// the lights as one 8-bit image.
bool TileMap::LoadForEditor(const char* name, Contents& staged) const {
    if (!LoadAside(name, staged))
        return false;
    const Stringc path = TileMapPath(name);
    for (const ImageName layer : {kSearchImage, kHeightImage, kLightImage}) {
        if (staged.names[layer].Length() == 0)
            return Fail(path.c_str(), "a layer image name is empty");
        if (!IsPlainFileName(staged.names[layer]))
            return Fail(path.c_str(), "a layer image name is not a file name of its own");
        if (!IsBitmapName(staged.names[layer]))
            return Fail(path.c_str(), "a layer image name does not end in \".bmp\"");
    }
    if (!LightsFitLayerImage(staged.grid))
        return Fail(path.c_str(), "the map has more lights than its light image can hold");
    return LayerFilesAreOwn(staged, path.c_str());
}

bool TileMap::CheckFile(const char* name, long& cells) const {
    Contents staged;
    if (!LoadAside(name, staged))
        return false;
    cells = staged.grid.CellCount();
    return true;
}

bool TileMap::Read(Stream& stream, const char* source) {
    Contents staged;
    if (!ReadAside(stream, source, staged))
        return false;
    Adopt(std::move(staged));
    return true;
}

void TileMap::Adopt(Contents&& staged) {
    Take(std::move(staged));
    m_refreshAll = true;
    m_refreshVisible = false;
}

bool TileMap::ReadAside(Stream& stream, const char* source, Contents& staged) const {
    if (stream.CheckOpen() != kStreamOk)
        return Fail(source, "the map cannot be read from a closed stream");
    uint32_t width = 0, height = 0;
    if (!stream.ReadValue(width) || !stream.ReadValue(height))
        return Fail(source, "the map's size is cut short");
    if (!TileGrid::FitsLimits(width, height))
        return Fail(source, "the map's size is 0 or beyond the limits");
    if (static_cast<long>(width) * height * static_cast<long>(sizeof(TileRecord)) >
        stream.Remaining())
        return Fail(source, "the map holds fewer cells than its size says");

    Rect& bounds = staged.scrollBounds;
    float originX = 0, originY = 0;
    if (!stream.ReadValue(bounds.x1) || !stream.ReadValue(bounds.y1) ||
        !stream.ReadValue(bounds.x2) || !stream.ReadValue(bounds.y2) ||
        !stream.ReadValue(originX) || !stream.ReadValue(originY))
        return Fail(source, "the map's scroll bounds or view origin are cut short");
    staged.viewOrigin = Vector(FiniteOr0(originX), FiniteOr0(originY), 0.0f);
    for (Stringc& name : staged.names)
        if (!name.Read(stream))
            return Fail(source, "the map's image names are cut short");
    for (const Stringc& name : staged.names)
        if (!StoredName::IsContained(name.c_str()))
            return Fail(source, "an image name leads out of the map's folder");
    if (!staged.grid.Allocate(width, height) || !ReadTiles(stream, staged.grid))
        return Fail(source, "the map's cells are cut short");
    return staged.clipMap.Read(stream, source) &&
           OpenMapImage(staged, staged.names[kMapImage].c_str());
}

// Nothing is in view when a map is loaded; explored cells stay as saved.
bool TileMap::ReadTiles(Stream& stream, TileGrid& grid) {
    const int bytes = static_cast<int>(grid.CellCount() * static_cast<long>(sizeof(TileRecord)));
    if (stream.CheckOpen() != kStreamOk || stream.Read(grid.Data(), bytes) != kStreamOk)
        return false;
    for (TileRecord& cell : grid)
        cell.Set(TileRecord::kInView | TileRecord::kInViewEdge, false);
    return true;
}

bool TileMap::OpenMapImage(Contents& contents, const char* imageName) const {
    contents.graphicPath = MapGraphicPath(imageName);
    contents.mapImage =
        std::make_unique<FileStream>(contents.graphicPath.c_str(), kStreamReadBinary);
    if (contents.mapImage->IsOpen())
        return true;
    return Fail(contents.graphicPath.c_str(), "the map image cannot be opened");
}

bool TileMap::Write(Stream& stream) const {
    const TileGrid& grid = m_map.grid;
    if (grid.CellCount() == 0)
        return Fail("tile map", "a map with no cells is not written");
    if (stream.CheckOpen() != kStreamOk)
        return false;
    const uint32_t width = static_cast<uint32_t>(grid.GetWidth());
    const uint32_t height = static_cast<uint32_t>(grid.GetHeight());
    const Rect& bounds = m_map.scrollBounds;
    if (!stream.WriteValue(width) || !stream.WriteValue(height) || !stream.WriteValue(bounds.x1) ||
        !stream.WriteValue(bounds.y1) || !stream.WriteValue(bounds.x2) ||
        !stream.WriteValue(bounds.y2) || !stream.WriteValue(m_map.viewOrigin.x) ||
        !stream.WriteValue(m_map.viewOrigin.y))
        return false;
    for (const Stringc& name : m_map.names)
        if (!name.Write(stream))
            return false;
    const int bytes = static_cast<int>(grid.CellCount() * static_cast<long>(sizeof(TileRecord)));
    return stream.Write(grid.Data(), bytes) == kStreamOk && m_map.clipMap.Write(stream);
}

bool TileMap::SaveFromEditor(Stream& stream) {
    ResetCellStates();
    return Write(stream) && SaveTileTypeMap() && SaveHeightMap() && SaveLightMap();
}
