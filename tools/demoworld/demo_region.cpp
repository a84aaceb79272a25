#include "tools/demoworld/demo_region.h"

#include "Library/files/data_paths.h"
#include "Library/files/directory_list.h"
#include "Library/files/file_stream.h"
#include "Library/world/game_mode.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/placed_entity_list.h"
#include "Source/world/ambient_snd_mgr.h"
#include "Source/world/entry_pt_mgr.h"
#include "Source/world/offscreen_region.h"
#include "Source/world/weather_mgr.h"
#include "tools/demoworld/demo_map_entities.h"
#include "tools/demoworld/demo_map_scripts.h"
#include "tools/demoworld/demo_output.h"
#include "tools/demoworld/demo_sound.h"
#include "tools/demoworld/field_images.h"
#include "tools/demoworld/script_numbers.h"
#include "tools/demoworld/second_map.h"
#include "tools/scriptbuilder/script_builder.h"

#include <functional>

namespace {

using namespace ScriptNumbers;

constexpr int32_t kAddJournalTopic = 51;
constexpr int32_t kAddJournalNote = 52;
constexpr int32_t kCloseJournalTopic = 53;
constexpr uint8_t kFacingUp = 0;
constexpr uint8_t kFacingDown = 4;
constexpr uint8_t kFacingWest = 6;

// A region's script, "<map>_map", which keeps the tutorial panel away once it was put away,
// opens a journal topic whenever the region is entered, and then files what more adds.
bool WriteJournalScript(const DataPaths& paths, const Stringc& map, const char* topic,
                        const char* text,
                        const std::function<void(ScriptBuilder&)>& more = nullptr) {
    const Stringc name = map + "_map";
    ScriptBuilder script(name);
    DemoMapScripts::KeepPanelAway(script);
    script.Call(kCallEventTest, kRegionEnteredEvent)
        .JumpIfFalse("done")
        .Call(kCallLatent, kAddJournalTopic, topic, text);
    if (more)
        more(script);
    script.Label("done").End();
    return WriteScript(script, paths.GetScriptDir() + "/" + name + ".scr");
}

} // namespace

bool WriteRegionFile(const DataPaths& paths, const char* map, RegionMgr& region,
                     const PlacedEntityList& placed) {
    const Stringc path = paths.GetRegionDir() + "/" + map + ".reg";
    return WriteDemoFile(path, [&region, &placed](Stream& stream) {
        return region.SaveDefinition(stream, &placed);
    });
}

bool DemoRegion::Write() const {
    return WriteScripts() && WriteRegion() && WriteSecondRegion();
}

// The rain's stream, "rain1", is the first-run converter's to make.
bool DemoRegion::WriteSounds() const {
    const Stringc sfx = m_paths.GetSfxDir() + "/";
    return WriteSound(sfx + "brook.wav", Noise(3.0, 0.92, 5000, 0.01, 7)) &&
           WriteSound(sfx + "bird1.wav", Chirp(2600, 3400, 0.25)) &&
           WriteSound(sfx + "bird2.wav", Chirp(3800, 2900, 0.35)) &&
           WriteSound(sfx + "lightening1.wav", Noise(2.5, 0.995, 9000, 0.05, 11)) &&
           WriteSound(sfx + "lightening2.wav", Noise(3.5, 0.997, 9000, 0.1, 13));
}

bool DemoRegion::WriteScripts() const {
    return WriteJournalScript(m_paths, kMapName, kMeadowTopic,
                              "A wall crosses the meadow. Its gate is the one way north, to the "
                              "house.") &&
           WriteJournalScript(
               m_paths, SecondMap::kName, "The glade",
               "Trees ring the glade. The road north leads back to the meadow.",
               [](ScriptBuilder& script) {
                   script.Call(kCallLatent, kAddJournalNote, kMeadowTopic, kMeadowNotes[0])
                       .Call(kCallLatent, kAddJournalNote, kMeadowTopic, kMeadowNotes[1])
                       .Call(kCallLatent, kAddJournalTopic, kLostPathTopic,
                             "A path from the meadow to the glade.")
                       .Call(kCallLatent, kCloseJournalTopic, kLostPathTopic);
               }) &&
           WriteJournalScript(m_paths, FieldImages::kName, "The field",
                              "A walled field with a pond, made in the map editor.");
}

// Through a region manager of its own.
bool DemoRegion::WriteRegion() const {
    GameMode game;
    game.BuildPaths(m_paths.GetRootDir().c_str());
    OffscreenRegion offscreen(game, nullptr);
    RegionMgr& region = offscreen.Get();
    g_entityMgr->SetRegionScript(Stringc(kMapName) + "_map");

    g_entryPtMgr->SetDefault(Vector(49.5f, 60, 0), kFacingUp);
    EntryPt& gate = g_entryPtMgr->Add(Vector(49.5f, 43, 0));
    gate.name = "gate";
    gate.facing = kFacingUp;
    EntryPt& road = g_entryPtMgr->Add(Vector(50, 92, 0));
    road.name = DemoMapEntities::kRoadEntry;
    road.facing = kFacingUp;
    EntryPt& eastRoad = g_entryPtMgr->Add(Vector(93.5f, 60.5f, 0));
    eastRoad.name = DemoMapEntities::kEastRoadEntry;
    eastRoad.facing = kFacingWest;

    AmbientSnd& brook = g_ambientSndMgr->AddAt(Vector(28, 68, 0));
    brook.SetName("brook");
    brook.SetSound(0, "brook");
    brook.SetMinDistance(4);
    brook.SetRadius(14);
    brook.SetVolume(70);
    AmbientSnd& birds = g_ambientSndMgr->AddAt(Vector(14, 14, 0));
    birds.SetName("birds");
    birds.SetSound(0, "bird1");
    birds.SetSound(1, "bird2");
    birds.SetContinuous(false);
    birds.SetRadius(12);
    birds.SetPeriod(2500);
    birds.SetChance(40);

    g_weatherMgr->SetKindChance(WeatherMgr::kRain, 75);

    PlacedEntityList placed;
    if (!DemoMapEntities().Place(*g_entityMgr, placed))
        return false;
    return WriteRegionFile(m_paths, kMapName, region, placed);
}

// The glade's travellers arrive on its road below the trees, facing south.
bool DemoRegion::WriteSecondRegion() const {
    GameMode game;
    game.BuildPaths(m_paths.GetRootDir().c_str());
    OffscreenRegion offscreen(game, nullptr);
    g_entityMgr->SetRegionScript(Stringc(SecondMap::kName) + "_map");
    const Vector road(30.0f, 8.5f, 0.0f);
    g_entryPtMgr->SetDefault(road, kFacingDown);
    EntryPt& entry = g_entryPtMgr->Add(road);
    entry.name = DemoMapEntities::kRoadEntry;
    entry.facing = kFacingDown;
    DemoMapEntities().PlaceOnSecondMap(*g_entityMgr);
    return WriteRegionFile(m_paths, SecondMap::kName, offscreen.Get(), PlacedEntityList());
}
