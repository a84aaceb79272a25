#pragma once
// Tile maps on a scratch data root: data paths of their own, the map graphic directory to
// write layer images into, and ".map" bytes put together field by field.

#include "Library/files/data_paths.h"
#include "Library/world/tile_map.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

template <class T> void AppendValue(std::string& bytes, T value) {
    char raw[sizeof value];
    std::memcpy(raw, &value, sizeof value);
    bytes.append(raw, sizeof value);
}

inline void AppendName(std::string& bytes, const std::string& name) {
    AppendValue(bytes, static_cast<uint16_t>(name.empty() ? 0 : name.size() + 1));
    if (!name.empty())
        bytes.append(name.c_str(), name.size() + 1);
}

// A 16-bit ".tga" of the pixels (in the current layout), its directories made.
void WriteImage(const std::string& path, int width, int height,
                const std::function<uint16_t(int x, int y)>& pixel);

// A ".map" of width x height cells, all with the given words, the map image "m.tga", and a
// clip map of no columns.
std::string MapBytes(uint32_t width, uint32_t height, const uint32_t words[3]);

class MapDataRoot : public ::testing::Test {
protected:
    MapDataRoot();

    // A file of the map graphic directory.
    void WriteMapFile(const std::string& name, const std::string& bytes) const;
    std::string MapFilePath(const std::string& name) const;
    bool ReadBytes(const std::string& bytes); // into m_map

    ScratchDir m_dir;
    DataPaths m_paths;
    TileMap m_map;
};

} // namespace testsupport
