#include "tools/demoworld/world_region.h"

#include "Library/files/data_paths.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_grid.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/map_object.h"
#include "Source/entities/placed_entity_list.h"
#include "Source/world/entry_pt_mgr.h"
#include "Source/world/offscreen_region.h"
#include "tools/demoworld/demo_map.h"
#include "tools/demoworld/demo_map_entities.h"
#include "tools/demoworld/demo_map_scripts.h"
#include "tools/demoworld/demo_output.h"
#include "tools/demoworld/demo_region.h"
#include "tools/demoworld/map_writer.h"
#include "tools/demoworld/script_numbers.h"
#include "tools/scriptbuilder/script_builder.h"

namespace {

using namespace ScriptNumbers;

constexpr int32_t kWorldMapEvent = 22;
constexpr int32_t kSetAreaScript = 250;
constexpr int32_t kSetConfirmText = 252;
constexpr int32_t kSetEncounterMap = 253;
constexpr int32_t kSetEncounterScript = 254;
constexpr uint8_t kFacingEast = 2;
constexpr int kCampX = 25, kCampY = 20, kCampRadius = 7;

bool InCells(int column, int row, int left, int top, int right, int bottom) {
    return column >= left && column <= right && row >= top && row <= bottom;
}

bool IsBorder(int column, int row, int columns, int rows) {
    return column < 2 || row < 2 || column >= columns - 2 || row >= rows - 2;
}

void FillThornford(Entity& entity) {
    DemoMapEntities::FillTown(entity, "Thornford", "Thornford, a walled town on the east road.",
                              false, WorldRegion::kTownDifficulty);
}

bool WriteScript(const DataPaths& paths, ScriptBuilder& script, const char* name) {
    return ::WriteScript(script, paths.GetScriptDir() + "/" + name + ".scr");
}

// A map of field and road art written as the map editor writes it.
bool WriteFieldMap(const DataPaths& paths, const char* name, int columns, int rows,
                   int (*typeAt)(int, int)) {
    const MapWriter writer(paths, name, columns, rows);
    const auto pixel = [typeAt](int x, int y) {
        return DemoMap::GroundColour(typeAt(x / TileGrid::kTileWidth, y / TileGrid::kTileHeight), x,
                                     y);
    };
    return writer.WriteImage(pixel) &&
           writer.WriteClip([](int, int) { return Colour(255, 0, 255); }) &&
           writer.WriteLayers(
               typeAt, [](int, int) { return 100; }, {Colour(255, 255, 255)},
               [](int, int) { return 0; },
               [](int type) { return DemoMap::GroundColour(type, 1, 2); }) &&
           writer.BuildAndSave();
}

} // namespace

int WorldRegion::TypeAt(int column, int row) {
    if (IsBorder(column, row, kColumns, kRows))
        return DemoMap::kTrees;
    if (InCells(column, row, 0, kRoadRow - 1, 26, kRoadRow + 1))
        return DemoMap::kPath;
    if (InCells(column, row, 30, 6, 38, 12))
        return DemoMap::kTrees;
    if (InCells(column, row, 10, 28, 16, 31))
        return DemoMap::kMarsh;
    return DemoMap::kGrass;
}

int WorldRegion::CampTypeAt(int column, int row) {
    if (IsBorder(column, row, kCampColumns, kCampRows) &&
        !(column < 2 && row >= kCampY - 2 && row <= kCampY + 2))
        return DemoMap::kTrees;
    const int dx = column - kCampX, dy = row - kCampY;
    if (dx * dx + dy * dy <= kCampRadius * kCampRadius)
        return DemoMap::kSand;
    if (row == kCampY && column < kCampX)
        return DemoMap::kPath;
    return DemoMap::kGrass;
}

bool WorldRegion::Write() const {
    return WriteMaps() && WriteTemplate(Entity::kTypeTown, kTownName, FillThornford) &&
           WriteScripts() && WriteWorld() && WriteCamp();
}

bool WorldRegion::WriteMaps() const {
    return WriteFieldMap(m_paths, kName, kColumns, kRows, TypeAt) &&
           WriteFieldMap(m_paths, kCampName, kCampColumns, kCampRows, CampTypeAt);
}

// The world's script asks about the camp whenever the party looks round: a question that
// is always asked, the camp's map and script, and the area script that notes the smoke.
// The camp's script greets the party in the camp; on the world map it does nothing. Both
// keep the tutorial panel away once it was put away.
bool WorldRegion::WriteScripts() const {
    ScriptBuilder world(Stringc(kName) + "_map");
    DemoMapScripts::KeepPanelAway(world);
    world.Call(kCallEventTest, kWorldMapEvent)
        .JumpIfFalse("done")
        .Call(kCallLatent, kSetConfirmText, kQuestion)
        .Call(kCallLatent, kSetEncounterMap, kCampName)
        .Call(kCallLatent, kSetEncounterScript, kEncounterScript)
        .Call(kCallLatent, kSetAreaScript, kAreaScript, 0)
        .Label("done")
        .End();
    ScriptBuilder area(kAreaScript);
    area.Call(kCallLatent, kAddMessage, kAreaText).End();
    ScriptBuilder camp(kEncounterScript);
    DemoMapScripts::KeepPanelAway(camp);
    camp.Call(kCallEventTest, kRegionEnteredEvent)
        .JumpIfFalse("done")
        .Call(kCallLatent, kAddMessage, kCampText)
        .Label("done")
        .End();
    return WriteScript(m_paths, world, (Stringc(kName) + "_map").c_str()) &&
           WriteScript(m_paths, area, kAreaScript) && WriteScript(m_paths, camp, kEncounterScript);
}

bool WorldRegion::WriteWorld() const {
    GameMode game;
    game.BuildPaths(m_paths.GetRootDir().c_str());
    OffscreenRegion offscreen(game, nullptr);
    g_entityMgr->SetRegionScript(Stringc(kName) + "_map");
    const Vector arrival(kArrivalX, kRoadY, 0.0f);
    g_entryPtMgr->SetDefault(arrival, kFacingEast);
    EntryPt& entry = g_entryPtMgr->Add(arrival);
    entry.name = DemoMapEntities::kEastRoadEntry;
    entry.facing = kFacingEast;
    PlacedEntityList placed;
    Entity* town = g_entityMgr->CreateEntity(kTownX, kRoadY, 0.0f, Entity::kTypeTown);
    town->SetTemplateName(kTownName);
    placed.Add(town);
    DemoMapEntities::PlaceTravel(*g_entityMgr, "thornford gate", kTownX - 1.5f, kRoadY - 1.5f,
                                 kTownX + 1.5f, kRoadY + 1.5f, Vector(kTownX, kRoadY, 0.0f), "demo",
                                 DemoMapEntities::kEastRoadEntry, MapObject::kFlagSymbol);
    return WriteRegionFile(m_paths, kName, offscreen.Get(), placed);
}

// The party comes into the camp from the west, where the way back to the world map lies.
bool WorldRegion::WriteCamp() const {
    GameMode game;
    game.BuildPaths(m_paths.GetRootDir().c_str());
    OffscreenRegion offscreen(game, nullptr);
    g_entityMgr->SetRegionScript(kEncounterScript);
    g_entryPtMgr->SetDefault(Vector(4.5f, kCampY + 0.5f, 0.0f), kFacingEast);
    DemoMapEntities::PlaceTravel(*g_entityMgr, "way back", 0.0f, kCampY - 2.0f, 2.0f, kCampY + 3.0f,
                                 Vector(1.0f, kCampY + 0.5f, 0.0f), kName, "",
                                 MapObject::kFlagSymbol | MapObject::kFlagFromTempMap);
    return WriteRegionFile(m_paths, kCampName, offscreen.Get(), PlacedEntityList());
}
