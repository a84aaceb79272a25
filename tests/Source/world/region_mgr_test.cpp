#include "Source/world/region_mgr.h"

#include "Library/core/test_stream_support.h"
#include "Library/scripts/global_timer_table.h"
#include "Library/sound/recorded_sound.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map_support.h"
#include "Source/entities/entity_highlighter.h"
#include "Source/entities/entity_mgr.h"
#include "Source/game_events.h"
#include "Source/world/ambient_snd_mgr.h"
#include "Source/world/entry_pt_mgr.h"
#include "Source/world/game_clock.h"
#include "Source/world/map_actions.h"
#include "Source/world/entity_mgr_store.h"
#include "Source/world/weather_mgr.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kGround[3] = {0, TileRecord::kWalkable, 0};

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The region state of a 4 x 3 map with cells (1, 0) and (2, 2) explored, no entities, a
// rain chance of 25.5, the travellers' default entry and "gate" at (3, 2), no emitters.
const Bytes kState = Concat({
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, // no script, grid tables or text
    Bytes(9 * 4, 0x00),                               // nine empty pools
    {0x0C, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // explored: 12 bits, hint 0,
     0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00,  // iteration 0, two set,
     0x02, 0x04},                                     // bits 1 and 10
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // weather: a storm kind, none now
     0x01, 0x01,                                      // both switches on
     0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xCC, 0x41, 0x00, 0x00, 0x00, 0x00}, // chances
    Bytes(7 * 4 + 3 * 2, 0x00),                                               // times, tint
    {0x00, 0x00, 0x08, 0x42, 0x00, 0x00, 0x00, 0x42, 0x00, 0x00, 0x00, 0x00,  // default
     0x00, 0x00, 0x00, 0x00, 0x00, 0x00,                                      //
     0x01, 0x00, 0x00, 0x00,                                                  // one entry
     0x00, 0x00, 0x40, 0x40, 0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x00,  //
     0x05, 0x00, 'g',  'a',  't',  'e',  0x00, 0x00, 0x00, 0x00, 0x00},       //
    {0x00, 0x00, 0x00, 0x00},                                                 // no emitters
});

class Region : public testsupport::MapDataRoot {
protected:
    void SetUp() override {
        g_dataPaths = &m_paths;
        m_game.SetTickSource(m_ticks);
        m_game.SetMode(kModeAreaMap);
        m_game.ApplyPendingMode();
        ::testing::internal::CaptureStderr(); // no sea pictures here
        m_region = std::make_unique<RegionMgr>(
            RegionMgr::Services{m_game, nullptr, m_mapSlot, m_sound.slot, m_mouse, m_actionsSlot,
                                m_highlighterSlot, m_clockSlot, m_entities});
        ::testing::internal::GetCapturedStderr();
    }
    void TearDown() override {
        m_region.reset();
        g_dataPaths = nullptr;
    }
    void Frame() {
        m_ticks.now += 33;
        m_game.UpdateFrameTime();
        m_region->Update();
    }

    GameMode m_game;
    testsupport::ManualClock m_ticks;
    RecordedSound m_sound;
    TileMap* m_mapSlot = &m_map;
    MouseMgr* m_mouse = nullptr;
    MapActions m_actions{m_sound.slot};
    MapActions* m_actionsSlot = &m_actions;
    EntityHighlighter m_highlighter;
    EntityHighlighter* m_highlighterSlot = &m_highlighter;
    GlobalTimerTable m_gameTime;
    GlobalTimerTable m_realTime;
    GameClock m_clock{m_gameTime, m_realTime};
    GameClock* m_clockSlot = &m_clock;
    EntityMgrStore m_entities;
    std::unique_ptr<RegionMgr> m_region;
};

TEST_F(Region, TheStateIsStoredAsLaidOutAndReadBackToTheSameBytes) {
    ASSERT_TRUE(ReadBytes(testsupport::MapBytes(4, 3, kGround)));
    m_map.SetExplored(1, 0, true);
    m_map.SetExplored(2, 2, true);
    g_weatherMgr->SetKindChance(WeatherMgr::kRain, 25.5f);
    g_entryPtMgr->SetDefault(Vector(34, 32, 0), 0);
    g_entryPtMgr->Add(Vector(3, 2, 0)).name = "gate";
    ASSERT_EQ(SavedForm(*m_region), kState);

    m_map.ClearFog();
    g_weatherMgr->SetKindChance(WeatherMgr::kRain, 0);
    g_entryPtMgr->Clear();
    ASSERT_TRUE(LoadFrom(*m_region, kState));
    EXPECT_EQ(SavedForm(*m_region), kState);
}

TEST_F(Region, ARegionDefinitionCutShortFailsToLoad) {
    g_entryPtMgr->Add(Vector(3, 2, 0)).name = "gate";
    g_ambientSndMgr->AddAt(Vector(5, 5, 0)).SetSound(0, "brook");
    const Bytes definition =
        WrittenBy([&](Stream& stream) { return m_region->SaveDefinition(stream, nullptr); });
    m_dir.WriteFile("Data/Region/meadow.reg", std::string(definition.begin(), definition.end()));
    ASSERT_TRUE(m_region->LoadRegFile("meadow", nullptr));
    EXPECT_EQ(g_entryPtMgr->FindByName("gate")->position, Vector(3, 2, 0));
    EXPECT_EQ(WrittenBy([&](Stream& stream) { return m_region->SaveDefinition(stream, nullptr); }),
              definition);
    for (size_t length = 0; length < definition.size(); length += 7) {
        m_dir.WriteFile("Data/Region/meadow.reg",
                        std::string(definition.begin(), definition.begin() + length));
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(m_region->LoadRegFile("meadow.reg", nullptr)) << length;
        ::testing::internal::GetCapturedStderr();
    }
}

TEST_F(Region, APausedFrameOnlyScrollsAndAResetLeavesAnEmptyRegion) {
    ASSERT_TRUE(ReadBytes(testsupport::MapBytes(100, 100, kGround)));
    m_map.CentreViewOn(Vector(50, 50, 0));
    m_actions.Add(MapBehaviour::kWait, {5, "", Vector()});
    g_ambientSndMgr->AddAt(m_map.ViewCentre()).SetSound(0, "brook");
    Entity* shot = g_entityMgr->CreateEntity(0, 0, 0, Entity::kTypeProjectile);
    g_entityMgr->ScheduleRelease(shot);
    const Bytes weather = SavedForm(*g_weatherMgr);

    m_game.SetPaused(true);
    const Vector origin = m_map.GetViewPos();
    m_map.SetScroll(Vector(1, 0, 0), 1.0f);
    Frame();
    EXPECT_GT(m_map.GetViewPos().x, origin.x);
    EXPECT_EQ(m_clock.GetElapsedHours(), 0.0);
    EXPECT_EQ(SavedForm(*g_weatherMgr), weather);
    EXPECT_TRUE(g_entityMgr->IsLive(shot));
    EXPECT_EQ(m_actions.GetCurrent(), nullptr);
    EXPECT_EQ(m_sound.Count("FSOUND_PlaySoundEx"), 0);

    m_game.SetPaused(false);
    Frame();
    EXPECT_GT(m_clock.GetElapsedHours(), 0.0);
    EXPECT_FALSE(g_entityMgr->IsLive(shot));
    EXPECT_NE(m_actions.GetCurrent(), nullptr);
    EXPECT_EQ(m_sound.Count("FSOUND_PlaySoundEx"), 1);

    g_entityMgr->CreateEntity(1, 1, 0, Entity::kTypeBase);
    m_region->Reset();
    EXPECT_FALSE(g_entityMgr->IsSlotUsed(Entity::kTypeBase, 0));
    EXPECT_EQ(g_ambientSndMgr->Count(), 0);
    EXPECT_EQ(m_sound.Count("FSOUND_StopSound(7)"), 1); // the emitter's sound went with it
}

} // namespace
