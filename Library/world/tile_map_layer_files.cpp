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
    return layer == TileMap::kSearchImage   ? "_SR.bmp"
           : layer == TileMap::kHeightImage ? "_HT.bmp"
                                            : "_LM.bmp";
}

bool SameBytes(const MemStream& one, const MemStream& other) {
    return one.GetSize() == other.GetSize() &&
           std::memcmp(one.GetBuffer(), other.GetBuffer(), static_cast<size_t>(one.GetSize())) == 0;
}

} // namespace

// Names compare ignoring case, as the file layer finds a file under a name in another case.
bool TileMap::LayerFilesAreOwn(const Contents& staged, const char* source) const {
    for (const ImageName layer : kLayers)
        for (int other = 0; other < kImageNameCount; ++other)
            if (other != layer && staged.names[layer] == staged.names[other])
                return Fail(source, "a layer image is named as another image of the map");
    const char* problem = nullptr;
    const Stringc directory = WithSlash(m_paths.GetMapGraphicDir());
    ForEachFound(directory + "*", [&](const _finddata_t& found) {
        for (const ImageName layer : kLayers) {
            if (problem != nullptr || staged.names[layer] != found.name)
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
    if (picture.FileName() + OwnSuffix(layer) == staged.names[layer])
        return true;
    IndexedBitmap bitmap;
    MemStream saved(kStreamWriteBinary);
    MemStream held(kStreamReadBinary);
    FileStream file(path.c_str(), kStreamReadBinary);
    return MakeLayerImage(layer, staged.grid, bitmap) && bitmap.Write(saved) && file.IsOpen() &&
           held.LoadAll(file) && SameBytes(saved, held);
}
