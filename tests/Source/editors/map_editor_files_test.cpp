// The map editor's new, load and save: what it writes, that it reads back what it wrote,
// that a failed save keeps the old pair, and that a saved map is played once the archives
// are rebuilt.
#include "Source/editors/map_editor.h"

#include "Library/files/mem_stream.h"
#include "Library/files/res_file_mgr.h"
#include "Library/geometry/map_view.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Library/world/tile_map_support.h"
#include "Source/editors/map_editor_support.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/door_entity.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/trigger_entity.h"
#include "Source/world/ambient_snd_mgr.h"
#include "Source/world/entry_pt_mgr.h"
#include "Source/world/load_save_mgr.h"
#include "Source/world/party_mgr.h"
#include "Source/world/region_mgr.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

namespace {

using namespace testsupport;
using W = MapEditor;

constexpr const char* kFieldMap = "Data/TileMap/field.map";
constexpr const char* kFieldRegion = "Data/Region/field.reg";

// The type, height and light layer names of a map, in that order.
using LayerNames = std::array<const char*, 3>;

class MapFiles : public MapEditing {
protected:
    void TearDown() override {
        MapEditing::TearDown();
        for (const char* path : {kFieldMap, kFieldRegion})
            std::filesystem::remove(World().Path(path));
        std::filesystem::remove_all(World().Path("Data/Region/field.reg.new"));
    }
    // The field with a barrel at (25, 5).
    void BuildFieldWithBarrel() {
        NewField();
        Tool(W::kEntityButton);
        Release(SDLK_e);
        Choose(Editor().GetEntityDirectory(), W::EntityDirectoryLayout(), "barrel.dat");
        Frame();
        const ScreenPos& shown = Editor().GetPicker().GetEntity(Entity::kTypeBase, 0)->GetScreenRect();
        MoveTo(shown.x + 3, shown.y + 4); // on the barrel, not the see-through corner
        Release(SDLK_s);
        Release(SDLK_e);
        KeyAt(Vector(25.5f, 5.5f, 0), SDLK_p);
    }
    // The field with a barrel, an entry point, a travel trigger to the demo map's gate, a
    // sound and a door with a cell.
    void BuildField() {
        BuildFieldWithBarrel();
        Tool(W::kEntryPtButton);
        KeyAt(Vector(20, 25, 0), SDLK_p);
        KeyAt(Vector(20, 25, 0), SDLK_i);
        Enter(W::kEntryPtWindow, W::kEntryName, "west");
        Press(W::kEntryPtWindow, W::kOk);
        Tool(W::kTriggerPtButton);
        KeyAt(Vector(20, 28.5f, 0), SDLK_p);
        KeyAt(Vector(20, 28.5f, 0), SDLK_i);
        Press(W::kTriggerPtWindow, W::kTriggerZone);
        DrawOutline({Vector(18, 28, 0), Vector(22, 28, 0), Vector(22, 29.9f, 0), Vector(18, 29.9f, 0)});
        Enter(W::kTriggerPtWindow, W::kObjectName, "to demo");
        Press(W::kTriggerPtWindow, W::kTriggerApply);
        Enter(W::kTravelWindow, W::kTargetMap, "demo");
        Enter(W::kTravelWindow, W::kTargetEntry, "gate");
        Press(W::kTravelWindow, W::kDone);
        Press(W::kTriggerPtWindow, W::kOk);
        Tool(W::kAmbientSndButton);
        KeyAt(Vector(12, 9, 0), SDLK_p);
        Tool(W::kDoorButton);
        KeyAt(Vector(19.5f, 20.5f, 0), SDLK_p);
        KeyAt(Vector(19.5f, 20.5f, 0), SDLK_i);
        Enter(W::kDoorWindow, W::kObjectName, "gap");
        Press(W::kDoorWindow, W::kDoorCells);
        KeyAt(Vector(19.5f, 20.5f, 0), SDLK_p);
        Release(SDLK_a);
        Press(W::kDoorWindow, W::kDone);
        Tool(W::kDoorButton); // no tool on
    }
    // The saved field as the named map, its layers so named: taken by a load, its save
    // writes them and no other picture, and it is taken again once they are on disk.
    void ExpectTakenWritingOnlyItsLayers(const char* name, const LayerNames& layers,
                                         std::string map);
    std::set<std::string> Files(const char* directory) const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(World().Path(directory)))
            names.insert(entry.path().filename().string());
        return names;
    }
};

TEST_F(MapFiles, TheFieldIsSavedUnderItsNameAndLoadsBackWhole) {
    BuildField();
    std::set<std::string> maps = Files("Data/TileMap");
    std::set<std::string> regions = Files("Data/Region");
    Save("field.map"); // the extension goes; the name stays "field"
    ASSERT_EQ(State(), W::kEditMap);
    EXPECT_EQ(Editor().GetMapName(), "field");
    maps.insert("field.map");
    regions.insert("field.reg");
    EXPECT_EQ(Files("Data/TileMap"), maps);
    EXPECT_EQ(Files("Data/Region"), regions);
    for (const char* layer : {"field_SR.bmp", "field_HT.bmp", "field_LM.bmp"})
        EXPECT_TRUE(std::filesystem::exists(World().Path(std::string("art/graphic/map/") + layer)));
    const std::string map = World().ReadFile(kFieldMap);
    const std::string region = World().ReadFile(kFieldRegion);

    // A new travel trigger keeps the rules flag until its first load clears it by its kind:
    // from then on a save gives the bytes it was loaded from.
    Load("field.map");
    Save("field");
    const std::string loadedRegion = World().ReadFile(kFieldRegion);
    EXPECT_EQ(World().ReadFile(kFieldMap), map);
    Load("field.map");
    ASSERT_EQ(State(), W::kEditMap);
    EXPECT_EQ(Editor().GetMapName(), "field");
    EXPECT_EQ(g_tileMap->GetWidth(), FieldImages::kColumns);
    ASSERT_EQ(Editor().GetEditList().GetSlotCount(), 1);
    EXPECT_EQ(Editor().GetEditList().GetAt(0)->GetPosition(), Vector(25, 5, 0));
    EXPECT_NE(g_entryPtMgr->FindByName("west"), nullptr);
    EXPECT_EQ(g_ambientSndMgr->Count(), 1);
    const Entity* way = g_entityMgr->FindEntityAt(0, 0) ? nullptr : g_entityMgr->GetEntity(Entity::kTypeTrigger, 0);
    MapObject* wayObject = nullptr;
    ASSERT_TRUE(Entity::GetMapObject(const_cast<Entity*>(way), &wayObject));
    EXPECT_EQ(wayObject->GetSettings().name, "to demo");
    EXPECT_EQ(wayObject->GetSettings().targetMap, "demo");
    EXPECT_TRUE(wayObject->ZoneContains(Vector(20, 29, 0)));
    auto* door = static_cast<DoorEntity*>(g_entityMgr->GetEntity(Entity::kTypeDoor, 0));
    ASSERT_NE(door, nullptr);
    EXPECT_EQ(door->GetMapObject().GetCells(BinaryMapObject::kStateOpen),
              std::vector<Vector>{Vector(19, 20, 0)});

    Save("field");
    EXPECT_EQ(World().ReadFile(kFieldMap), map);
    EXPECT_EQ(World().ReadFile(kFieldRegion), loadedRegion);
    EXPECT_EQ(loadedRegion.size(), region.size());
}

TEST_F(MapFiles, TheDemoMapLoadedAndSavedUnchangedKeepsItsBytes) {
    const std::string map = World().ReadFile("Data/TileMap/demo.map");
    const std::string region = World().ReadFile("Data/Region/demo.reg");
    Load("demo.map");
    ASSERT_EQ(State(), W::kEditMap);
    EXPECT_GT(Editor().GetEditList().GetSlotCount(), 0); // its placed templates, saved again
    // Its placed entities stand on the map's lists, so the editor draws and picks them.
    std::set<const WorldObject*> listed;
    for (int list = 0; list < TileMap::kObjectListCount; ++list)
        for (const WorldObject* object = g_tileMap->GetList(static_cast<TileMap::ObjectList>(list));
             object; object = object->GetNext())
            listed.insert(object);
    Editor().GetEditList().ForEachUsed([&](Entity& placed) {
        EXPECT_EQ(listed.count(&placed), 1u) << placed.GetTemplateName().c_str();
    });
    Save("demo");
    ASSERT_EQ(State(), W::kEditMap);
    EXPECT_EQ(World().ReadFile("Data/TileMap/demo.map"), map);
    EXPECT_EQ(World().ReadFile("Data/Region/demo.reg"), region);
}

// Where a ".map"'s image name lies in its bytes, past its size, scroll bounds and view
// origin; past the last name the cells begin.
size_t NameAt(const std::string& map, int which) {
    size_t at = 24;
    for (int before = 0; before < which; ++before) {
        uint16_t count = 0;
        std::memcpy(&count, map.data() + at, sizeof count);
        at += sizeof count + count;
    }
    return at;
}

std::string WithImageName(const std::string& map, int which, const std::string& name) {
    std::string replaced;
    AppendName(replaced, name);
    return map.substr(0, NameAt(map, which)) + replaced + map.substr(NameAt(map, which + 1));
}

// Every cell lit in one of that many lights, the first cells each in a light of their own.
std::string WithLights(std::string map, int lights) {
    size_t at = NameAt(map, TileMap::kImageNameCount);
    const int cells = FieldImages::kColumns * FieldImages::kRows;
    for (int cell = 0; cell < cells; ++cell, at += sizeof(TileRecord)) {
        uint32_t word = 0;
        std::memcpy(&word, map.data() + at, sizeof word);
        word = (word & 0xF0000FFFu) | static_cast<uint32_t>(cell % lights) << 12; // channels 1, 2
        std::memcpy(&map[at], &word, sizeof word);
        map[at + sizeof word] = 0; // channel 3
    }
    return map;
}

// Each map below is refused naming its file, on the screen as well, and the one being edited
// is kept whole: a save afterwards writes it with its barrel.
TEST_F(MapFiles, AFailedLoadOrNewKeepsTheMapBeingEditedAndSaysWhichFile) {
    BuildFieldWithBarrel();
    Save("field");
    const std::string map = World().ReadFile(kFieldMap);
    const std::string region = World().ReadFile(kFieldRegion);
    const struct {
        const char* name;
        std::string map;
        std::string region;
        const char* said;
        const char* why = ""; // said on standard error beside it
    } refused[] = {
        {"junk", "junk", region, "junk.map"},
        {"twin", map, "junk", "twin.reg"}, // a map read whole, its region not
        {"blank", WithImageName(map, TileMap::kSearchImage, ""), region, "blank.map"},
        {"nested", WithImageName(map, TileMap::kLightImage, "sub/f_LM.bmp"), region, "nested.map"},
        {"bright", WithLights(map, 257), region, "bright.map"},
        // A layer the save would write as a bitmap under another picture's extension.
        {"brandnew", WithImageName(map, TileMap::kHeightImage, "brandnew.tga"), region,
         "brandnew.map", "does not end in \".bmp\""},
        // Layers a save would write over: the map's own picture and minimap (on disk or not),
        // another map's picture, minimap (named in another case) and layer, the map's other
        // layer, a folder; two layers of one name.
        {"picture", WithImageName(map, TileMap::kSearchImage, "field.tga"), region, "picture.map"},
        {"minimap", WithImageName(map, TileMap::kHeightImage, "field_MM.bmp"), region,
         "minimap.map"},
        {"unseen",
         WithImageName(WithImageName(map, TileMap::kMinimapImage, "unseen_MM.bmp"),
                       TileMap::kLightImage, "Unseen_MM.bmp"),
         region, "unseen.map", "named as another image"},
        {"elsewhere", WithImageName(map, TileMap::kLightImage, "demo.tga"), region,
         "elsewhere.map"},
        {"overview", WithImageName(map, TileMap::kSearchImage, "DEMO_mm.bmp"), region,
         "overview.map"},
        {"camped", WithImageName(map, TileMap::kHeightImage, "camp_HT.bmp"), region, "camped.map"},
        {"swapped",
         WithImageName(WithImageName(map, TileMap::kHeightImage, "field_LM.bmp"),
                       TileMap::kLightImage, "field_HT.bmp"),
         region, "swapped.map", "other than the map's own layer"},
        {"folder", WithImageName(map, TileMap::kSearchImage, "stack.bmp"), region, "folder.map",
         "is a folder"},
        {"shared",
         WithImageName(WithImageName(map, TileMap::kLightImage, "both.bmp"), TileMap::kHeightImage,
                       "Both.bmp"),
         region, "shared.map", "named as another image"},
    };
    const auto shownInWhite = [this] {
        int white = 0;
        for (int y = 490; y < 506; ++y)
            for (int x = 0; x < 400; ++x)
                white += PixelAt(x, y) == Packed(255, 255, 255);
        return white;
    };
    std::filesystem::create_directory(World().Path("art/graphic/map/stack.bmp"));
    for (const auto& load : refused) {
        const std::string name = load.name;
        World().WriteFile("Data/TileMap/" + name + ".map", load.map);
        World().WriteFile("Data/Region/" + name + ".reg", load.region);
        testing::internal::CaptureStderr();
        Load((name + ".map").c_str());
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(State(), W::kLoadMap) << name;
        EXPECT_NE(said.find(load.said), std::string::npos) << said;
        EXPECT_NE(said.find(load.why), std::string::npos) << said;
        EXPECT_NE(std::string(Editor().GetFailure().c_str()).find(load.said), std::string::npos)
            << Editor().GetFailure().c_str();
        EXPECT_GT(shownInWhite(), 0) << name;
        EXPECT_EQ(g_tileMap->GetWidth(), FieldImages::kColumns) << name;
        EXPECT_EQ(Editor().GetEditList().GetSlotCount(), 1) << name;
        EXPECT_TRUE(g_entityMgr->IsSlotUsed(Entity::kTypeBase, 0)) << name;
        Click(kDirectoryCancel);
        EXPECT_EQ(Editor().GetFailure(), "");
        std::filesystem::remove(World().Path("Data/TileMap/" + name + ".map"));
        std::filesystem::remove(World().Path("Data/Region/" + name + ".reg"));
    }
    std::filesystem::remove(World().Path("art/graphic/map/stack.bmp"));
    // Nor does a picture that makes no map.
    World().WriteFile("art/graphic/map/broken.tga", "junk");
    Tool(W::kNew);
    Choose(Editor().GetMapDirectory(), W::MapDirectoryLayout(), "broken.tga");
    Frame();
    EXPECT_EQ(State(), W::kNewMap);
    EXPECT_NE(std::string(Editor().GetFailure().c_str()).find("broken.tga"), std::string::npos);
    EXPECT_EQ(g_tileMap->GetWidth(), FieldImages::kColumns);
    EXPECT_EQ(Editor().GetEditList().GetSlotCount(), 1);
    Click(kDirectoryCancel);
    std::filesystem::remove(World().Path("art/graphic/map/broken.tga"));
    EXPECT_EQ(shownInWhite(), 0);
    Save("field");
    ASSERT_EQ(State(), W::kEditMap);
    EXPECT_EQ(World().ReadFile(kFieldMap), map);
    EXPECT_EQ(World().ReadFile(kFieldRegion), region);
}

// Every file of the folder, by name, with its bytes.
std::map<std::string, std::string> FolderBytes(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file()) {
            std::ifstream file(entry.path(), std::ios::binary);
            files[entry.path().filename().string()].assign(std::istreambuf_iterator<char>(file), {});
        }
    return files;
}

void MapFiles::ExpectTakenWritingOnlyItsLayers(const char* name, const LayerNames& layers,
                                               std::string map) {
    const TileMap::ImageName kinds[] = {TileMap::kSearchImage, TileMap::kHeightImage,
                                        TileMap::kLightImage};
    for (size_t layer = 0; layer < layers.size(); ++layer)
        map = WithImageName(map, kinds[layer], layers[layer]);
    const std::string file = name + std::string(".map");
    World().WriteFile("Data/TileMap/" + file, map);
    World().WriteFile("Data/Region/" + std::string(name) + ".reg", World().ReadFile(kFieldRegion));
    Load(file.c_str());
    ASSERT_EQ(State(), W::kEditMap) << name << ": " << Editor().GetFailure().c_str();
    const std::filesystem::path pictures = World().Path("art/graphic/map");
    const auto before = FolderBytes(pictures);
    Save(name);
    ASSERT_EQ(State(), W::kEditMap) << name;
    auto after = FolderBytes(pictures);
    for (const char* layer : layers)
        EXPECT_EQ(after.erase(layer), 1u) << layer;
    EXPECT_EQ(after, before) << name;
    Load("demo.map"); // the layers on disk are checked against the map loaded, not this one
    Load(file.c_str());
    EXPECT_EQ(State(), W::kEditMap) << name << ": " << Editor().GetFailure().c_str();
}

// A map is taken when its save writes no file but its own: layers of names of their own are
// written beside the pictures and take it back; with 256 lights, all one light image holds;
// named as bitmaps in capitals, as the files are found. The demo world's maps are taken, and
// so is a map whose layers, named after its picture, another map saved from it has written
// since.
TEST_F(MapFiles, AMapIsTakenWhenItsSaveWritesOnlyItsOwnFiles) {
    NewField();
    Save("field");
    const std::string field = World().ReadFile(kFieldMap);
    ExpectTakenWritingOnlyItsLayers("many", {"many_SR.bmp", "many_HT.bmp", "many_LM.bmp"},
                                    WithLights(field, 256));
    ExpectTakenWritingOnlyItsLayers("loud", {"LOUD_SR.BMP", "Loud_HT.Bmp", "loud_LM.bmP"}, field);

    for (const char* name : {"camp.map", "demo.map", "demo2.map", "world.map"}) {
        Load(name);
        EXPECT_EQ(State(), W::kEditMap) << name << ": " << Editor().GetFailure().c_str();
    }

    Load("field.map");
    const std::string types = World().ReadFile("art/graphic/map/field_SR.bmp");
    Tool(W::kSearchColourButton);
    Press(W::kSearchColourWindow, 35);
    Press(W::kSearchColourWindow, W::kDone);
    Tool(W::kSearchMapButton);
    KeyAt(Vector(1.5f, 1.5f, 0), SDLK_s);
    Save("copy"); // over field_SR.bmp, the copy's as much as the field's
    ASSERT_NE(World().ReadFile("art/graphic/map/field_SR.bmp"), types);
    Load("field.map");
    EXPECT_EQ(State(), W::kEditMap) << Editor().GetFailure().c_str();
}

// A refused load keeps the chances typed for the map being edited, and its save writes them.
TEST_F(MapFiles, AFailedLoadKeepsTheWeatherChancesTyped) {
    NewField();
    Enter(W::kToolbarWindow, W::kChanceRain, "37");
    World().WriteFile("Data/TileMap/junk.map", "junk");
    testing::internal::CaptureStderr();
    Load("junk.map");
    testing::internal::GetCapturedStderr();
    ASSERT_EQ(State(), W::kLoadMap);
    Click(kDirectoryCancel);
    Save("field");
    ASSERT_EQ(State(), W::kEditMap);
    Load("field.map");
    ASSERT_EQ(State(), W::kEditMap);
    EXPECT_EQ(Field(W::kToolbarWindow, W::kChanceRain), "37");
}

// The region cannot be written: the map's new bytes are never put in place either.
TEST_F(MapFiles, AFailedRegionWriteKeepsTheOldPair) {
    NewField();
    Save("field");
    const std::string map = World().ReadFile(kFieldMap);
    const std::string region = World().ReadFile(kFieldRegion);
    std::filesystem::create_directories(World().Path("Data/Region/field.reg.new/blocked"));
    Tool(W::kSearchMapButton);
    KeyAt(Vector(1.5f, 1.5f, 0), SDLK_s); // a painted cell: the map would change
    testing::internal::CaptureStderr();
    Save("field");
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(State(), W::kSaveMap);
    EXPECT_NE(std::string(Editor().GetFailure().c_str()).find("field.reg cannot be written"),
              std::string::npos); // shown on the screen as well
    EXPECT_EQ(World().ReadFile(kFieldMap), map);
    EXPECT_EQ(World().ReadFile(kFieldRegion), region);
    EXPECT_FALSE(std::filesystem::exists(World().Path("Data/TileMap/field.map.new")));
}

// A save cuts one extension: "town.v2.map" is a map of its own beside the town pair, and
// loaded again it is offered back under its whole name. "sub/town.txt" lands beside them.
TEST_F(MapFiles, ANameKeepsEveryDotButItsExtensionsAndLoadsBackUnderItself) {
    World().WriteFile("Data/TileMap/town.map", "the old town");
    World().WriteFile("Data/Region/town.reg", "its region");
    NewField();
    Save("town.v2.map");
    ASSERT_EQ(State(), W::kEditMap);
    EXPECT_EQ(Editor().GetMapName(), "town.v2");
    const std::string map = World().ReadFile("Data/TileMap/town.v2.map");
    EXPECT_FALSE(World().ReadFile("Data/Region/town.v2.reg").empty());
    Load("town.v2.map");
    ASSERT_EQ(State(), W::kEditMap);
    Tool(W::kSave);
    const WindowLayout box = W::SaveBoxLayout();
    Click(box.window.x + box.widgets[0].x + 10, box.window.y + box.widgets[0].y + 10);
    EXPECT_EQ(State(), W::kEditMap);
    EXPECT_EQ(World().ReadFile("Data/TileMap/town.v2.map"), map);
    EXPECT_EQ(World().ReadFile("Data/TileMap/town.map"), "the old town");
    EXPECT_EQ(World().ReadFile("Data/Region/town.reg"), "its region");

    Save("sub/town.txt");
    EXPECT_EQ(World().ReadFile("Data/TileMap/town.map"), map);
    EXPECT_NE(World().ReadFile("Data/Region/town.reg"), "its region");
    EXPECT_FALSE(std::filesystem::exists(World().Path("Data/TileMap/sub")));
    std::vector<std::filesystem::path> written;
    for (const char* directory : {"Data/TileMap", "Data/Region", "art/graphic/map"})
        for (const auto& entry : std::filesystem::directory_iterator(World().Path(directory)))
            if (entry.path().filename().string().rfind("town", 0) == 0)
                written.push_back(entry.path());
    for (const auto& path : written)
        std::filesystem::remove(path);
}

// A map in a sub-directory of the map directory loads by its path, not its namesake.
TEST_F(MapFiles, AMapInASubDirectoryLoadsByItsPath) {
    NewField();
    std::filesystem::create_directories(World().Path("Data/TileMap/sub"));
    std::filesystem::create_directories(World().Path("Data/Region/sub"));
    Save("sub/demo");
    ASSERT_EQ(State(), W::kEditMap);
    EXPECT_EQ(Editor().GetMapName(), "sub/demo");
    Tool(W::kLoad);
    Choose(Editor().GetMapDirectory(), W::MapDirectoryLayout(), "sub");
    Choose(Editor().GetMapDirectory(), W::MapDirectoryLayout(), "demo.map");
    Frame();
    EXPECT_EQ(State(), W::kEditMap);
    // The field's cells, not the demo map's 100.
    EXPECT_EQ(g_tileMap->GetWidth(), FieldImages::kColumns);
    EXPECT_EQ(Editor().GetMapName(), "sub/demo");
    std::filesystem::remove_all(World().Path("Data/TileMap/sub"));
    std::filesystem::remove_all(World().Path("Data/Region/sub"));
}

// Play reads the archives alone: a map saved loose is played once they are rebuilt. The
// tutorial's character walks from the demo map's gate into a trigger to the field.
TEST_F(MapFiles, ASavedMapIsPlayedAfterTheArchivesAreRebuilt) {
    BuildField();
    Save("field");
    Load("demo.map");
    g_tileMap->CentreViewOn(Vector(56, 46, 0));
    Tool(W::kTriggerPtButton);
    KeyAt(Vector(56, 46, 0), SDLK_p);
    KeyAt(Vector(56, 46, 0), SDLK_i);
    Press(W::kTriggerPtWindow, W::kTriggerZone);
    DrawOutline({Vector(54, 44, 0), Vector(58, 44, 0), Vector(58, 48, 0), Vector(54, 48, 0)});
    Press(W::kTriggerPtWindow, W::kTriggerApply);
    Enter(W::kTravelWindow, W::kTargetMap, "field");
    Enter(W::kTravelWindow, W::kTargetEntry, "west");
    Press(W::kTravelWindow, W::kDone);
    Press(W::kTriggerPtWindow, W::kOk);
    Save("demo");
    ASSERT_EQ(State(), W::kEditMap);
    Tool(W::kExit);
    Frame();
    ASSERT_EQ(Mode(), kModeEditorMenu);
    EXPECT_FALSE(g_regionMgr->LoadRegFile("field", nullptr)); // not in the archive yet
    Stop();

    std::filesystem::remove(World().Path("general.rsc"));
    const std::string rebuild = std::string(TEST_BIN_DIR) + "/rscbuild " + World().Root();
    ASSERT_EQ(std::system(rebuild.c_str()), 0);
    ResFileMgr archive;
    ASSERT_TRUE(archive.Open(World().Path("general.rsc").c_str(), ResFileMgr::kRead));
    MemStream packed(kStreamReadBinary);
    EXPECT_EQ(archive.Load("data/tilemap/field.map", packed), ResFileMgr::kResOk);
    EXPECT_EQ(packed.Size(), static_cast<long>(World().ReadFile(kFieldMap).size()));
    archive.Close();

    Start();
    Frame();
    ASSERT_TRUE(g_partyMgr->AddCharacterByName("if_idyl_player_tutorial"));
    g_loadSaveMgr->RequestPageToMap("demo", "gate");
    Frame();
    ASSERT_EQ(Mode(), kModeAreaMap);
    SoldierEntity* leader = g_partyMgr->GetLeaderSoldier();
    ASSERT_TRUE(TeleportEntity(*leader, Vector(52, 46, 0)));
    g_tileMap->CentreViewOn(Vector(52, 46, 0));
    int x = 0, y = 0;
    WorldToPixel(*g_tileMap, Vector(56, 46, 0), x, y);
    Click(x, y);
    for (int frame = 0; frame < 600 && g_loadSaveMgr->GetMapName() == "demo"; ++frame)
        Frame();
    Frame();
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "field");
    EXPECT_EQ(Mode(), kModeAreaMap);
    EXPECT_EQ(g_tileMap->GetWidth(), FieldImages::kColumns);
    const EntryPt* west = g_entryPtMgr->FindByName("west");
    ASSERT_NE(west, nullptr);
    EXPECT_EQ(g_partyMgr->GetLeaderSoldier()->GetPosition(), west->position);
}

} // namespace
