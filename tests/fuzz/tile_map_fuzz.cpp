// The ".map" reader: any bytes read without a fault, and what a read makes of them writes
// bytes that read back to the same map. The map image the reader opens lies in
// a scratch data root of its own.
#include "Library/files/data_paths.h"
#include "Library/files/file_stream.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/graphic.h"
#include "Library/world/tile_map.h"
#include "tests/fuzz/fuzz_image.h"
#include "tests/fuzz/fuzz_seeds.h"
#include "tests/fuzz/fuzz_stream.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kImageWidth = 48; // 3 x 2 cells
constexpr int kImageHeight = 24;

// A data root holding "m.tga" and its clip image, made once and removed at exit.
class FuzzRoot {
public:
    FuzzRoot() {
        char pattern[] = "/tmp/tilemapfuzzXXXXXX";
        if (!::mkdtemp(pattern))
            std::abort();
        m_root = pattern;
        m_paths.Build(m_root.c_str());
        std::filesystem::create_directories(m_paths.GetMapGraphicDir().c_str());
        if (!WriteImage("m.tga", Colour(90, 140, 60)) ||
            !WriteImage("m_clip.tga", Colour(255, 0, 255)))
            std::abort();
    }
    ~FuzzRoot() {
        std::error_code ignored;
        std::filesystem::remove_all(m_root, ignored);
    }

    const DataPaths& Paths() const { return m_paths; }

private:
    // A 16-bit image: a pond of pure green on the checkerboard in its first cell, a column of
    // scenery in the clip image.
    bool WriteImage(const char* name, const Colour& ground) const {
        return WriteTgaImage((m_paths.GetMapGraphicDir() + "/" + name).c_str(), kImageWidth,
                             kImageHeight, [&ground](int x, int y) {
                                 return x < 16 && y < 12 && (x + y) % 2 == 0 ? Colour(0, 255, 0)
                                        : x == 20                            ? Colour(40, 40, 40)
                                                                             : ground;
                             });
    }

    std::string m_root;
    DataPaths m_paths{"/"};
};

FuzzRoot& Root() {
    static FuzzRoot root;
    return root;
}

} // namespace

// The maps live across inputs: a map loads its fog pictures when it is made.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TileMap map(Root().Paths(), nullptr);
    static TileMap again(Root().Paths(), nullptr);
    FuzzStream readable(data, size);
    if (map.Read(readable, "fuzz input")) {
        const std::string stored = StoredBytes(map);
        FuzzStream back(stored);
        if (!again.Read(back) || StoredBytes(again) != stored)
            std::abort();
    }
    return 0;
}

std::vector<std::string> FuzzSeeds() {
    if (!Graphic::InitScratch())
        std::abort();
    TileMap map(Root().Paths(), nullptr);
    if (!map.CreateLayers("m.tga"))
        std::abort();
    Graphic::FreeScratch();
    map.SetExplored(1, 0, true);
    map.SetTileType(2, 1, 11);
    const std::string built = StoredBytes(map);
    map.ResetCellStates();
    return {built, StoredBytes(map)};
}
