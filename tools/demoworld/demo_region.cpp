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
#include "tools/demoworld/demo_output.h"
#include "tools/demoworld/demo_sound.h"
#include "tools/scriptbuilder/script_builder.h"

namespace {

constexpr const char* kScriptName = "demo_region";
constexpr int32_t kRegionEnteredEvent = 2;
constexpr int32_t kAddJournalTopic = 51;
constexpr uint8_t kFacingUp = 0;

} // namespace

bool DemoRegion::Write() const {
    return WriteSounds() && WriteScript() && WriteRegion();
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

bool DemoRegion::WriteScript() const {
    ScriptBuilder script(kScriptName);
    script.Call(kCallEventTest, kRegionEnteredEvent)
        .JumpIfFalse("done")
        .Call(kCallLatent, kAddJournalTopic, "The meadow",
              "A wall crosses the meadow. Its gate is the one way north, to the house.")
        .Label("done")
        .End();
    return script.WriteFile(m_paths.GetScriptDir() + "/" + kScriptName + ".scr");
}

// Written as the map editor saves a region, through a region manager of its own.
bool DemoRegion::WriteRegion() const {
    GameMode game;
    game.BuildPaths(m_paths.GetRootDir().c_str());
    OffscreenRegion offscreen(game, nullptr);
    RegionMgr& region = offscreen.Get();
    g_entityMgr->SetRegionScript(kScriptName);

    g_entryPtMgr->SetDefault(Vector(49.5f, 60, 0), kFacingUp);
    EntryPt& gate = g_entryPtMgr->Add(Vector(49.5f, 43, 0));
    gate.name = "gate";
    gate.facing = kFacingUp;

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
    const Stringc path = m_paths.GetRegionDir() + "/demo.reg";
    return ReportWritten(MakeDirectories(path) &&
                             FileStream::WriteReplacing(path.c_str(),
                                                        [&region, &placed](Stream& stream) {
                                                            return region.SaveDefinition(stream,
                                                                                         &placed);
                                                        }),
                         path);
}
