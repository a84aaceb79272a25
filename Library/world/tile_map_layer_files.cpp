// The files the map editor's save of a map would write its layers over, checked before the
// editor takes the map.
#include "Library/world/tile_map.h"

#include "Library/files/data_paths.h"
#include "Library/files/directory_list.h"
#include "Library/files/file_stream.h"
#include "Library/files/mem_stream.h"
#include "Library/graphics/indexed_bitmap.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr TileMap::ImageName kLayers[] = {TileMap::kSearchImage, TileMap::kHeightImage,
                                          TileMap::kLightImage};

bool Fail(const char* source, const char* problem) {
    std::fprintf(stderr, "%s: %s\n", source, problem);
    return false;
}

// What a new map made from the picture B names its layer: B + this.
const char* OwnSuffix(TileMap::ImageName layer) {
    return layer == TileMap::kSearchImage ? "_SR.bmp"
           : layer == TileMap::kHeightImage ? "_HT.bmp"
                                            : "_LM.bmp";
}

bool SameBytes(const MemStream& one, const MemStream& other) {
    return one.GetSize() == other.GetSize() &&
           std::memcmp(one.GetBuffer(), other.GetBuffer(), static_cast<size_t>(one.GetSize())) ==
               0;
}

} // namespace

Stringc TileMap::FileLayerName(const Stringc& imageName) const {
    return m_paths.MakePath(MapGraphicPath(imageName).c_str());
}

// Names are compared as the archives fold them, so that no two images of one map, nor a layer
// and a file beside it, become one file once packed.
bool TileMap::LayerFilesAreOwn(const Contents& staged, const char* source) const {
    for (const ImageName layer : kLayers)
        for (int other = 0; other < kImageNameCount; ++other)
            if (other != layer &&
                FileLayerName(staged.names[layer]) == FileLayerName(staged.names[other]))
                return Fail(source, "a layer image is named as another image of the map");
    const char* problem = nullptr;
    const Stringc directory = WithSlash(m_paths.GetMapGraphicDir());
    ForEachFound(directory + "*", [&](const _finddata_t& found) {
        for (const ImageName layer : kLayers) {
            if (problem != nullptr ||
                FileLayerName(found.name) != FileLayerName(staged.names[layer]))
                continue;
            if ((found.attrib & _A_SUBDIR) != 0)
                problem = "a layer image name is a folder";
            else if (!IsOwnLayerFile(staged, layer, directory + found.name))
                problem = "a layer image name is a file other than the map's own layer";
        }
    });
    return problem == nullptr || Fail(source, problem);
}

// The file a new map from the picture reads the layer from, or one that holds already what
// the save writes there.
bool TileMap::IsOwnLayerFile(const Contents& staged, ImageName layer, const Stringc& path) const {
    Stringc picture(staged.names[kMapImage]);
    if (path == MapGraphicPath(staged.names[layer]) &&
        FileLayerName(picture.FileName() + OwnSuffix(layer)) == FileLayerName(staged.names[layer]))
        return true;
    IndexedBitmap bitmap;
    MemStream saved(kStreamWriteBinary);
    MemStream held(kStreamReadBinary);
    FileStream file(path.c_str(), kStreamReadBinary);
    return MakeLayerImage(layer, staged.grid, bitmap) && bitmap.Write(saved) && file.IsOpen() &&
           held.LoadAll(file) && SameBytes(saved, held);
}
