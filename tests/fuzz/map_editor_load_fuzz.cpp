// A map as the map editor loads it: "f.map" read aside by the tile map and "f.reg" checked
// by the region, then, both read, the map taken and the region's placed entities gathered
// into the editor's list and stood on the map. The input is the ".map"'s byte count
// (4 bytes), its bytes, then the ".reg". A refused ".map" or ".reg" leaves the map as it
// was; a pair taken draws its view, finds a path between its first and last walkable
// cells (cut where its six waypoints run out), written again (the region with the editor's
// list) reads back to the same bytes, and is saved by the editor with its layer images,
// bitmaps by name, writing no other file.
#include "Library/files/data_paths.h"
#include "Library/files/file_stream.h"
#include "Library/files/mem_stream.h"
#include "Library/graphics/blit_state.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/pixel_surface.h"
#include "Library/world/game_mode.h"
#include "Library/world/open_cell_finder.h"
#include "Library/world/path_finder.h"
#include "Library/world/tile_map.h"
#include "Library/world/waypoints.h"
#include "Source/creatures/creature_factory.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/placed_entity_list.h"
#include "Source/world/entry_pt_mgr.h"
#include "Source/world/offscreen_region.h"
#include "Source/world/region_mgr.h"
#include "fuzz/fuzz_image.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"
#include "fuzz/fuzz_stream.h"
#include "tools/templatewriter/template_writer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

namespace {

constexpr int kImageWidth = 64; // 4 x 3 cells
constexpr int kImageHeight = 36;

// The point's cell when it is walkable, else the first walkable one of its eight neighbours.
class OpenCells : public OpenCellFinder {
public:
    explicit OpenCells(const TileMap& map) : m_map(map) {}
    bool FindNearestOpenCell(const Vector& point, Vector& out) const override {
        const int cellX = static_cast<int>(point.x), cellY = static_cast<int>(point.y);
        for (const int dy : {0, -1, 1})
            for (const int dx : {0, -1, 1})
                if (m_map.IsWalkable(cellX + dx, cellY + dy)) {
                    out = Vector(cellX + dx + 0.5f, cellY + dy + 0.5f, 0);
                    return true;
                }
        return false;
    }

private:
    const TileMap& m_map;
};

// The editor's map and region on the scratch data root, with the map image "m.tga" and the
// templates "thing" the placed entities name, made once.
struct Editing {
    Editing() : scratch(Prepare()) {
        for (int type : {Entity::kTypeBase, Entity::kTypeItem, Entity::kTypeSoldier})
            if (!TemplateWriter::Write(type, "thing", [](Entity&) {}))
                std::abort();
    }

    static bool Prepare() {
        UseScratchDataPaths();
        if (!Graphic::InitScratch())
            std::abort();
        FuzzDirectory("art/graphic/map");
        FuzzDirectory("Data/TileMap");
        FuzzDirectory("Data/Region");
        if (!WriteImage("m.tga", false) || !WriteImage("m_clip.tga", true))
            std::abort();
        return true;
    }

    // A gradient of ground, or a clip image of the colour key alone.
    static bool WriteImage(const char* name, bool clip) {
        return WriteTgaImage((g_dataPaths->GetMapGraphicDir() + "/" + name).c_str(), kImageWidth,
                             kImageHeight, [clip](int x, int y) {
                                 return clip ? Colour(255, 0, 255) : Colour(60 + x, 120, 40 + y);
                             });
    }

    bool scratch;
    ScopedCreatureFactory creatures;
    GameMode game;
    TileMap map{*g_dataPaths, nullptr};
    OffscreenRegion offscreen{game, nullptr, &map};
    RegionMgr& region = offscreen.Get();
    PlacedEntityList placed;
    std::vector<uint16_t> pixels = std::vector<uint16_t>(800 * 600);
};

Editing& Editor() {
    static Editing editing;
    return editing;
}

std::string MapBytes() { // "" for a map with no cells
    return WrittenBytes([](Stream& stream) { return Editor().map.Write(stream); });
}

std::string RegionBytes() {
    return WrittenBytes(
        [](Stream& stream) { return Editor().region.SaveDefinition(stream, &Editor().placed); });
}

// The editor's load of "f": false, the map as it was, when either file is refused.
bool Load(const std::string& mapBytes, const std::string& regionBytes) {
    Editing& editor = Editor();
    FuzzFile("Data/TileMap/f.map", mapBytes);
    FuzzFile("Data/Region/f.reg", regionBytes);
    TileMap::Contents staged;
    MemStream region(kStreamReadBinary);
    if (!editor.map.LoadForEditor("f", staged) || !editor.region.ReadRegFileAside("f.reg", region))
        return false;
    editor.placed.Clear();
    editor.map.Adopt(std::move(staged));
    if (!editor.region.LoadDefinition(region, &editor.placed))
        std::abort(); // the check read it whole
    g_entityMgr->RegisterWithTileMap();
    return true;
}

std::string Normal(const std::filesystem::path& path) {
    return path.lexically_normal().string();
}

// Every file under the data root, by path, with its bytes.
std::map<std::string, std::string> DataFiles() {
    std::map<std::string, std::string> files;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(g_dataPaths->GetRootDir().c_str()))
        if (entry.is_regular_file()) {
            std::ifstream file(entry.path(), std::ios::binary);
            files[Normal(entry.path())].assign(std::istreambuf_iterator<char>(file), {});
        }
    return files;
}

// The editor's save of the map with its type, height and light images, bitmaps by name,
// writes no other file: every other file keeps its bytes and none appears. The images are
// then put back as they were, so that no input leaves files for the next.
void SaveAsTheEditorDoes() {
    std::vector<std::string> layers;
    for (const TileMap::ImageName layer :
         {TileMap::kSearchImage, TileMap::kHeightImage, TileMap::kLightImage}) {
        Stringc name = Editor().map.GetImageName(layer);
        layers.push_back(Normal((g_dataPaths->GetMapGraphicDir() + "/" + name).c_str()));
        if (name.Extension() != "bmp") // a picture to the new map's chooser otherwise
            std::abort();
    }
    std::map<std::string, std::string> before = DataFiles();
    if (WrittenBytes([](Stream& stream) { return Editor().map.SaveFromEditor(stream); }).empty())
        std::abort();
    std::map<std::string, std::string> after = DataFiles();
    for (const std::string& layer : layers) {
        after.erase(layer);
        const auto held = before.find(layer);
        if (held == before.end()) {
            std::filesystem::remove(layer);
            continue;
        }
        std::ofstream(layer, std::ios::binary | std::ios::trunc) << held->second;
        before.erase(held);
    }
    if (after != before)
        std::abort();
}

// The view drawn whole, and a path from the first walkable cell to the last that begins and
// ends where it was asked to.
void DrawAndWalk() {
    Editing& editor = Editor();
    TileMap& map = editor.map;
    map.SetViewOrigin(Vector());
    g_graphicClipRect = Rect{0, 0, 800, 600};
    if (!map.DrawTiles(PixelSurface{editor.pixels.data(), 800, 600, 800}, TileMap::kNoFog))
        std::abort();
    int walkable = 0;
    Vector start, goal; // the centres of the first walkable cell and the last
    for (int y = 0; y < map.GetHeight(); ++y)
        for (int x = 0; x < map.GetWidth(); ++x)
            if (map.IsWalkable(x, y)) {
                goal = Vector(x + 0.5f, y + 0.5f, 0);
                if (walkable++ == 0)
                    start = goal;
            }
    if (walkable < 2)
        return;
    OpenCells cells(map);
    PathFinder finder(map, cells);
    Waypoints path;
    if (!finder.FindPath(start, goal, path) || path.GetCount() < 1)
        std::abort();
    const Vector& from = path.GetStart();
    const Vector& last = path.GetPoint(path.GetCount() - 1);
    if (from.x != start.x || from.y != start.y || path.GetGoal().x != goal.x ||
        path.GetGoal().y != goal.y)
        std::abort();
    // A way of more turns than the waypoints hold ends where they run out; the walker asks
    // again from there.
    if (path.GetCount() < Waypoints::kMaxPoints && (last.x != goal.x || last.y != goal.y))
        std::abort();
}

uint16_t StoredLength(const std::string& bytes, size_t at) {
    uint16_t count = 0;
    std::memcpy(&count, bytes.data() + at, sizeof count);
    return count;
}

// The map with one image renamed: the names follow the 24 bytes of size, scroll bounds and
// view origin, each its stored length and characters.
std::string Renamed(const std::string& map, TileMap::ImageName image, const char* name) {
    size_t at = 24;
    for (int before = 0; before < image; ++before)
        at += sizeof(uint16_t) + StoredLength(map, at);
    const size_t end = at + sizeof(uint16_t) + StoredLength(map, at);
    return map.substr(0, at) +
           WrittenBytes([name](Stream& stream) { return Stringc(name).Write(stream); }) +
           map.substr(end);
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    Editing& editor = Editor();
    if (!editor.map.CreateLayers("m.tga"))
        std::abort();
    // A wall down the third column but for its last cell, for paths to walk round.
    for (int y = 0; y < editor.map.GetHeight(); ++y)
        for (int x = 0; x < editor.map.GetWidth(); ++x)
            editor.map.SetWalkable(x, y, x != 2 || y == editor.map.GetHeight() - 1);
    editor.region.Reset();
    g_entityMgr->SetTileMap(&editor.map);
    editor.placed.Clear();
    for (int type : {Entity::kTypeBase, Entity::kTypeItem, Entity::kTypeSoldier}) {
        Entity* entity = g_entityMgr->CreateEntity(1.5f + type, 1.5f, 0.0f, type);
        entity->SetTemplateName("thing");
        if (type == Entity::kTypeItem)
            entity->AddFlags(Entity::kFlagHidden); // no icon to show on the map
        editor.placed.Add(entity);
    }
    g_entryPtMgr->Add(Vector(2, 2, 0)).name = "gate";
    const std::string map = MapBytes();
    const std::string region = RegionBytes();
    std::vector<std::string> seeds;
    const auto add = [&seeds](const std::string& mapBytes, const std::string& regionBytes) {
        const uint32_t count = static_cast<uint32_t>(mapBytes.size());
        seeds.push_back(std::string(reinterpret_cast<const char*>(&count), sizeof count) +
                        mapBytes + regionBytes);
    };
    add(map, region);
    add(map, std::string());
    // Layers the save would write over the map's picture and its clip image, or as a bitmap
    // under a picture's extension.
    add(Renamed(map, TileMap::kSearchImage, "m.tga"), region);
    add(Renamed(map, TileMap::kLightImage, "M_clip.tga"), region);
    add(Renamed(map, TileMap::kHeightImage, "brandnew.tga"), region);
    return seeds;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    uint32_t count = 0;
    if (size < sizeof count)
        return 0;
    std::memcpy(&count, data, sizeof count);
    const char* bytes = reinterpret_cast<const char*>(data) + sizeof count;
    const size_t mapSize = std::min<size_t>(count, size - sizeof count);
    const std::string mapBytes(bytes, mapSize);
    const std::string regionBytes(bytes + mapSize, size - sizeof count - mapSize);
    const std::string before = MapBytes();
    if (!Load(mapBytes, regionBytes)) {
        if (MapBytes() != before)
            std::abort();
        return 0;
    }
    DrawAndWalk();
    const std::string map = MapBytes();
    const std::string region = RegionBytes();
    if (!Load(map, region) || MapBytes() != map || RegionBytes() != region)
        std::abort();
    SaveAsTheEditorDoes();
    return 0;
}
