#include "tile_map_support.h"

#include "Library/core/test_stream_support.h"
#include "Library/files/file_stream.h"
#include "Library/graphics/graphic.h"

#include <filesystem>

namespace testsupport {

void WriteImage(const std::string& path, int width, int height,
                const std::function<uint16_t(int x, int y)>& pixel) {
    Graphic image;
    ASSERT_TRUE(image.Create(width, height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.SetPixel(x, y, pixel(x, y));
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    ASSERT_TRUE(FileStream::WriteReplacing(
        path.c_str(), [&image](Stream& file) { return image.WriteTga(file); }));
}

std::string MapBytes(uint32_t width, uint32_t height, const uint32_t words[3]) {
    std::string bytes;
    AppendValue(bytes, width);
    AppendValue(bytes, height);
    for (int16_t bound : {int16_t{0}, int16_t{0}, static_cast<int16_t>(width * 16),
                          static_cast<int16_t>(height * 12)})
        AppendValue(bytes, bound);
    AppendValue(bytes, 0.0f);
    AppendValue(bytes, 0.0f);
    AppendName(bytes, "m.tga");
    for (int name = 1; name < TileMap::kImageNameCount; ++name)
        AppendName(bytes, "");
    for (uint32_t cell = 0; cell < width * height; ++cell)
        for (int word = 0; word < 3; ++word)
            AppendValue(bytes, words[word]);
    AppendValue(bytes, uint32_t{0});
    AppendValue(bytes, uint32_t{0});
    return bytes;
}

MapDataRoot::MapDataRoot() : m_paths(m_dir.Root().c_str()), m_map(m_paths, nullptr) {
    WriteMapFile("m.tga", "the map image: opened, never read here");
}

void MapDataRoot::WriteMapFile(const std::string& name, const std::string& bytes) const {
    m_dir.WriteFile("art/graphic/map/" + name, bytes);
}

std::string MapDataRoot::MapFilePath(const std::string& name) const {
    return m_dir.Path("art/graphic/map/" + name);
}

bool MapDataRoot::ReadBytes(const std::string& bytes) {
    TestStream stream(bytes);
    return m_map.Read(stream);
}

} // namespace testsupport
