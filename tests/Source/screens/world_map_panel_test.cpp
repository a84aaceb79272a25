// The world map entered by the meadow's east road on the demo world, driven through the
// main loop: time passing while the leader walks, the town found on the way, the camp's
// encounter asked, forced or refused, the party's spot and the tutorial's scripts.
#include "Source/screens/world_map_panel.h"

#include "Library/geometry/map_view.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/graphic_mgr.h"
#include "Library/interface/interface.h"
#include "Library/interface/message_box.h"
#include "Library/world/random_source.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/game_rules.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/town_entity.h"
#include "Source/world/counting_scripts.h"
#include "Source/world/demo_game.h"
#include "Source/world/game_clock.h"
#include "tools/scriptbuilder/script_builder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

using namespace testsupport;

constexpr Point kOverBottomBar{400, 560};
constexpr Point kOverMap{400, 300};
constexpr Point kExploreButton{689, 563};
constexpr Point kOkButton{358, 356};
constexpr Point kNoButton{436, 356};
constexpr int kMaxFrames = 400;
const Vector kArrival(8.5f, 20.5f, 0.0f);
const Vector kTown(22.5f, 20.5f, 0.0f);
constexpr const char* kQuestion = "Smoke rises from a camp by the road. Go closer?";

// The rules' draws while it lives: every percent roll fails, every other draw gives its
// lowest value.
class FailedPercentRolls : public RandomSource {
public:
    FailedPercentRolls() { GameRules::SetRandomSource(this); }
    ~FailedPercentRolls() override { GameRules::SetRandomSource(nullptr); }
    FailedPercentRolls(const FailedPercentRolls&) = delete;
    FailedPercentRolls& operator=(const FailedPercentRolls&) = delete;

    int Int(int lo, int hi) override {
        if (lo != 0 || hi != 100)
            return lo;
        ++percentRolls;
        return 99;
    }
    float SignedFloat(float lo, float) override { return lo; }

    int percentRolls = 0;
};

class WorldMap : public DemoGame {
protected:
    // From the meadow's east road the leader walks into the way to the world.
    void EnterWorld() {
        ASSERT_TRUE(g_partyMgr->AddCharacterByName(kCharacter));
        g_loadSaveMgr->RequestPageToMap("demo", "east road");
        Frame();
        ASSERT_EQ(Mode(), kModeAreaMap);
        g_partyMgr->MoveLeaderTo(Vector(98.5f, 60.5f, 0.0f));
        RunUntil([] { return g_gameMode->GetModeId() == kModeWorldMap; });
        ASSERT_NE(World(), nullptr);
        EXPECT_EQ(g_loadSaveMgr->GetMapName(), "world");
        EXPECT_EQ(Leader()->GetPosition(), kArrival);
    }
    template <class Done> void RunUntil(Done done) {
        for (int frame = 0; frame < kMaxFrames && !done(); ++frame)
            Frame();
        ASSERT_TRUE(done());
    }
    WorldMapPanel* World() const { return PageAs<WorldMapPanel>(); }
    static const DateTime& Now() { return g_gameClock->GetDateTime(); }
    static int CountMessages(const char* text) {
        int count = 0;
        for (int block = 0; block < MessageCount(); ++block)
            count += g_hudMessages->GetWindow().GetBlock(block).GetText() == text ? 1 : 0;
        return count;
    }
    // Off the road into the camp, as the player is asked, and back west to the world map.
    void VisitCamp() {
        Click(kExploreButton);
        Frames(2);
        ASSERT_EQ(World()->GetState(), WorldMapPanel::kConfirm);
        Click(kOkButton);
        Frame();
        ASSERT_EQ(g_loadSaveMgr->GetMapName(), "camp");
        g_partyMgr->MoveLeaderTo(Vector(1.0f, 20.5f, 0.0f));
        RunUntil([] { return g_gameMode->GetModeId() == kModeWorldMap; });
    }
    static TownEntity* Town() {
        return static_cast<TownEntity*>(g_entityMgr->GetEntity(Entity::kTypeTown, 0));
    }
    // The camp's encounter as the world's script sets it up, with its flag.
    void SetUpCamp(const char* areaScript, bool forced) {
        World()->SetEncounterMapName("camp");
        World()->SetEncounterScriptName("camp_enc");
        World()->SetAreaScript(areaScript, forced);
    }
};

TEST_F(WorldMap, TimePassesOnlyWhileTheLeaderWalksAndTheTownIsFoundOnce) {
    EnterWorld();
    MoveTo(kOverMap.x, kOverMap.y);
    const DateTime arrived = Now();
    Frames(30);
    EXPECT_EQ(Now(), arrived);

    g_partyMgr->MoveLeaderTo(Vector(14.5f, kArrival.y, 0.0f)); // within ten of the town
    Frames(10);
    EXPECT_GT(Now(), arrived);
    EXPECT_EQ(g_gameClock->GetSpeedMode(), 2);
    RunUntil([] { return !Leader()->IsBusy(); });
    Frames(40);
    EXPECT_EQ(CountMessages(WorldMapPanel::kDiscoveryText), 1);
}

TEST_F(WorldMap, ExploringOffTheRoadAsksTheScriptsQuestionAndOkEntersTheCamp) {
    EnterWorld();
    Click(kExploreButton);
    Frames(2);
    ASSERT_EQ(World()->GetState(), WorldMapPanel::kConfirm);
    EXPECT_STREQ(World()->GetConfirmBox().GetText().c_str(), kQuestion);
    EXPECT_EQ(CountMessages("Wood smoke drifts across the road."), 1);
    EXPECT_FALSE(g_gameMode->GetEncounterFlag());

    Click(kOkButton);
    Frame();
    ASSERT_EQ(Mode(), kModeAreaMap);
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "camp");
    EXPECT_TRUE(g_loadSaveMgr->IsInTemporaryMap());
    // The leader stands where it arrived and is drawn there: the pixels over its body
    // change when it leaves the map.
    Frames(3);
    int x = 0, y = 0;
    WorldToPixel(*g_tileMap, Leader()->GetPosition(), x, y);
    const auto body = [&] {
        std::vector<uint16_t> pixels;
        for (int row = y - 40; row < y; ++row)
            for (int column = x - 8; column < x + 8; ++column)
                pixels.push_back(PixelAt(column, row));
        return pixels;
    };
    const std::vector<uint16_t> standing = body();
    RemoveEntityFromMap(*Leader());
    Frame();
    EXPECT_NE(body(), standing) << "the leader stands drawn";
    AddEntityToMap(*Leader(), Leader()->GetPosition());

    // The way back west leads to the spot the party left.
    g_partyMgr->MoveLeaderTo(Vector(1.0f, 20.5f, 0.0f));
    RunUntil([] { return g_gameMode->GetModeId() == kModeWorldMap; });
    EXPECT_EQ(Leader()->GetPosition(), kArrival);
}

// A line that comes while the pointer is over the map shows at once.
TEST_F(WorldMap, TheMessageListShowsNewLinesWhileTravelling) {
    EnterWorld();
    MoveTo(kOverMap.x, kOverMap.y);
    const auto messageArea = [this] {
        std::vector<uint16_t> pixels;
        for (int y = 523; y < 596; ++y)
            for (int x = 229; x < 607; ++x)
                pixels.push_back(PixelAt(x, y));
        return pixels;
    };
    const std::vector<uint16_t> before = messageArea();
    g_hudMessages->AddText("The road climbs.");
    Frames(2);
    EXPECT_NE(messageArea(), before);
}

TEST_F(WorldMap, NoReturnsToTravel) {
    EnterWorld();
    Click(kExploreButton);
    Frames(2);
    ASSERT_EQ(World()->GetState(), WorldMapPanel::kConfirm);
    Click(kNoButton);
    EXPECT_EQ(World()->GetState(), WorldMapPanel::kOverBottomBar);
    Frame();
    EXPECT_EQ(Mode(), kModeWorldMap);
    EXPECT_EQ(g_loadSaveMgr->GetPending(), LoadSaveMgr::kNone);
}

TEST_F(WorldMap, AForcedEncounterOnAFailedDrawTravelsWithoutAskingAndAMissingScriptAsksNothing) {
    EnterWorld();
    MoveTo(kOverMap.x, kOverMap.y);
    {
        FailedPercentRolls draws;
        SetUpCamp("world_area", true);
        Frame();
        EXPECT_TRUE(g_gameMode->GetEncounterFlag());
        EXPECT_EQ(World()->GetEncounterChance(), WorldMapPanel::kForcedChance);
        EXPECT_NE(World()->GetState(), WorldMapPanel::kConfirm);
        EXPECT_EQ(g_loadSaveMgr->GetPending(), LoadSaveMgr::kWorldToTempMap2);
        EXPECT_EQ(draws.percentRolls, 1);
    }
    Frame();
    ASSERT_EQ(Mode(), kModeAreaMap);
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "camp");

    g_partyMgr->MoveLeaderTo(Vector(1.0f, 20.5f, 0.0f));
    RunUntil([] { return g_gameMode->GetModeId() == kModeWorldMap; });
    const int messages = MessageCount();
    for (const char* areaScript : {"missing", "../Script/world_area", ""}) {
        SetUpCamp(areaScript, false);
        Frames(2);
        EXPECT_NE(World()->GetState(), WorldMapPanel::kConfirm) << areaScript;
        EXPECT_EQ(g_loadSaveMgr->GetPending(), LoadSaveMgr::kNone) << areaScript;
    }
    EXPECT_EQ(MessageCount(), messages);
}

// An encounter's map named with its extension is entered under its name, and so is one whose
// name has a dot of its own ("camp.v2.map").
TEST_F(WorldMap, AnEncounterMapNamedWithItsExtensionIsEnteredUnderItsName) {
    DemoWorldDir& files = DemoWorldSuite::World();
    files.WriteFile("Data/TileMap/camp.v2.map", files.ReadFile("Data/TileMap/camp.map"));
    files.WriteFile("Data/Region/camp.v2.reg", files.ReadFile("Data/Region/camp.reg"));
    g_gameMode->SetUseResourceFiles(false); // the copies lie beside the archive
    EnterWorld();
    for (const char* entered : {"camp", "camp.v2"}) {
        {
            FailedPercentRolls draws;
            SetUpCamp("world_area", true);
            World()->SetEncounterMapName((std::string(entered) + ".map").c_str());
            Frame();
        }
        Frame();
        ASSERT_FALSE(g_loadSaveMgr->IsShowingErrorBox()) << entered;
        EXPECT_EQ(Mode(), kModeAreaMap) << entered;
        EXPECT_EQ(g_loadSaveMgr->GetMapName(), entered);
        g_partyMgr->MoveLeaderTo(Vector(1.0f, 20.5f, 0.0f));
        RunUntil([] { return g_gameMode->GetModeId() == kModeWorldMap; });
    }
}

// Hot spots belong to an area view that is not built: the action is done and keeps the
// record, numbered in order, but nothing shows it or leads anywhere; a new screen starts
// with none.
TEST_F(WorldMap, TheHotSpotActionKeepsTheRecordAndChangesNothingElse) {
    EnterWorld();
    EXPECT_EQ(World()->GetLastHotSpot(), -1);
    GameVirtualMachine machine;
    for (const char* name : {"Thornford", "Mill"}) {
        ScriptFuncHeader hotSpot =
            ScriptBuilder::Header(kNativeAction, 93, name, Vector(30, 40, 0), "demo", "east road");
        EXPECT_EQ(machine.CallAction(hotSpot), 1);
    }
    const MemMgr<WorldMapHotSpot>& hotSpots = World()->GetHotSpots();
    ASSERT_EQ(hotSpots.CountUsed(), 2);
    const WorldMapHotSpot& first = *hotSpots.Get(0);
    EXPECT_STREQ(first.name.c_str(), "Thornford");
    EXPECT_EQ(first.position, Vector(30, 40, 0));
    EXPECT_STREQ(first.mapName.c_str(), "demo");
    EXPECT_STREQ(first.entryName.c_str(), "east road");
    EXPECT_STREQ(hotSpots.Get(1)->name.c_str(), "Mill");
    EXPECT_EQ(World()->GetLastHotSpot(), 1);
    Frame();
    EXPECT_EQ(Mode(), kModeWorldMap);
    EXPECT_EQ(g_loadSaveMgr->GetPending(), LoadSaveMgr::kNone);
    EXPECT_NE(World()->GetState(), WorldMapPanel::kAreaView);

    g_gameMode->InvalidateMode();
    g_gameMode->SetMode(kModeWorldMap);
    Frame();
    EXPECT_EQ(World()->GetHotSpots().CountUsed(), 0);
    EXPECT_EQ(World()->GetLastHotSpot(), -1);
}

TEST_F(WorldMap, RTogglesRunningOverTheBarAndTheLargestViewHasNoSidePanel) {
    EnterWorld();
    MoveTo(kOverBottomBar.x, kOverBottomBar.y);
    const bool running = Leader()->IsRunning();
    Release(SDLK_r);
    EXPECT_NE(Leader()->IsRunning(), running);

    for (int viewSize : {TileMap::kLargestView, 0}) {
        g_tileMap->SetViewSize(viewSize);
        g_gameMode->InvalidateMode();
        g_gameMode->SetMode(kModeWorldMap);
        Frame();
        ASSERT_NE(World(), nullptr);
        EXPECT_EQ(World()->HasSidePanel(), viewSize != TileMap::kLargestView) << viewSize;
    }
}

// The side panel picture goes back to the interface's images with the screen: after a
// visit to the camp the screen comes back with a fresh one, and when a failed journey's
// fatal box takes the screen's place, which keeps the images, it is gone too.
TEST_F(WorldMap, TheSidePanelLeavesWithTheScreenAndComesBackWithIt) {
    EnterWorld();
    g_tileMap->SetViewSize(0);
    g_gameMode->InvalidateMode();
    g_gameMode->SetMode(kModeWorldMap);
    Frame();
    GraphicMgr& images = g_interface->GetImages();
    ASSERT_TRUE(World()->HasSidePanel());
    const Stringc name = World()->GetSidePanel()->GetFullPath();
    EXPECT_TRUE(images.ContainsName(name.c_str()));

    Click(kExploreButton);
    Frames(2);
    Click(kOkButton);
    Frame();
    ASSERT_EQ(g_loadSaveMgr->GetMapName(), "camp");
    g_partyMgr->MoveLeaderTo(Vector(1.0f, 20.5f, 0.0f));
    RunUntil([] { return g_gameMode->GetModeId() == kModeWorldMap; });
    Frames(2);
    ASSERT_TRUE(World()->HasSidePanel());
    EXPECT_TRUE(images.ContainsName(name.c_str()));

    g_loadSaveMgr->RequestWorldToTempMap2("nowhere", "");
    Frame();
    ASSERT_TRUE(g_loadSaveMgr->IsShowingErrorBox());
    EXPECT_EQ(World(), nullptr);
    EXPECT_FALSE(images.ContainsName(name.c_str()));
}

TEST_F(WorldMap, TheExploreButtonOnTheTownsGateEntersTheMeadow) {
    EnterWorld();
    ASSERT_TRUE(TeleportEntity(*Leader(), kTown));
    Leader()->SetPlaced(); // as an arrival there would: the first touch takes nobody away
    Frames(2);
    ASSERT_EQ(Mode(), kModeWorldMap) << "standing on the gate takes nobody anywhere";
    Click(kExploreButton);
    Frame();
    EXPECT_EQ(Mode(), kModeAreaMap);
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "demo");
    EXPECT_EQ(Leader()->GetPosition(), Vector(93.5f, 60.5f, 0.0f));
}

// Over the map, a click on the resting party's icon acts on its spot: the gate's trigger.
TEST_F(WorldMap, TheIconClickedOverTheMapEntersTheTownUnderIt) {
    EnterWorld();
    ASSERT_TRUE(TeleportEntity(*Leader(), kTown));
    Leader()->SetPlaced();
    MoveTo(kOverMap.x, kOverMap.y);
    Frames(2);
    ASSERT_EQ(World()->GetState(), WorldMapPanel::kMapView);
    int x = 0, y = 0;
    WorldToPixel(*g_tileMap, Leader()->GetPosition(), x, y);
    Click(x, y);
    Frame();
    EXPECT_EQ(Mode(), kModeAreaMap);
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "demo");
}

// Back from the camp the party is on the world map, no longer in a temporary map: a game
// saved there keeps the world under its own name and loads where it was saved, the world as
// it was then on every later visit.
TEST_F(WorldMap, AGameSavedBackFromTheCampLoadsOntoTheWorldAsItWas) {
    EnterWorld();
    VisitCamp();
    EXPECT_FALSE(g_loadSaveMgr->IsInTemporaryMap());
    g_partyMgr->MoveLeaderTo(Vector(14.5f, kArrival.y, 0.0f)); // the town is found on the way
    Frames(10);
    RunUntil([] { return !Leader()->IsBusy(); });
    Frames(40);
    ASSERT_TRUE(Town()->IsFound());
    const Vector savedAt = Leader()->GetPosition();
    g_loadSaveMgr->RequestSaveGame(6, "Back on the road");
    Frame();
    ASSERT_EQ(LastMessage(), "Game Saved.");

    g_loadSaveMgr->RequestLoadGame(6);
    Frame();
    ASSERT_EQ(LastMessage(), "Game Loaded.");
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "world");
    EXPECT_EQ(g_loadSaveMgr->GetWorkingMapName(), "world");
    EXPECT_FALSE(g_loadSaveMgr->IsInTemporaryMap());
    EXPECT_EQ(Leader()->GetPosition(), savedAt);
    // To the meadow, as the town's gate leads, and back by its east road.
    g_loadSaveMgr->RequestMapToMap("demo", "east road");
    Frame();
    ASSERT_EQ(g_loadSaveMgr->GetMapName(), "demo");
    g_loadSaveMgr->RequestMapToWorld("world", "east road");
    Frame();
    ASSERT_EQ(Mode(), kModeWorldMap);
    EXPECT_TRUE(Town()->IsFound());
}

// A game saved on the meadow after a visit to the camp holds the camp's state left behind
// beside the meadow's and the world's; it loads, onto the meadow where it was saved.
TEST_F(WorldMap, AGameSavedOnTheMeadowAfterTheCampLoadsWhereItWasSaved) {
    EnterWorld();
    VisitCamp();
    ASSERT_TRUE(TeleportEntity(*Leader(), kTown));
    Leader()->SetPlaced();
    Click(kExploreButton);
    Frame();
    ASSERT_EQ(g_loadSaveMgr->GetMapName(), "demo");
    const Vector savedAt = Leader()->GetPosition();
    g_loadSaveMgr->RequestSaveGame(5, "In the meadow");
    Frame();
    ASSERT_EQ(LastMessage(), "Game Saved.");
    ASSERT_TRUE(std::filesystem::exists(
        DemoWorldSuite::World().Path("SaveGame/slot05/temporary_map.sav")));

    g_loadSaveMgr->RequestLoadGame(5);
    Frame();
    EXPECT_EQ(LastMessage(), "Game Loaded.");
    EXPECT_EQ(Mode(), kModeAreaMap);
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "demo");
    EXPECT_EQ(Leader()->GetPosition(), savedAt);
}

// The screen's travel runs the region's scripts; the tutorial's pass runs them only on the
// frames it does not, as while the confirm box is up.
TEST_F(WorldMap, TheTutorialsScriptsRunOnceAFrame) {
    CountingScripts scripts;
    EnterWorld();
    MoveTo(kOverMap.x, kOverMap.y);
    const auto perFrame = [&](bool tutorial) {
        g_loadSaveMgr->SetTutorialActive(tutorial);
        const int before = scripts.updates;
        Frame();
        return scripts.updates - before;
    };
    const int travelling = perFrame(false);
    EXPECT_GT(travelling, 0);
    EXPECT_EQ(perFrame(true), travelling);

    SetUpCamp("world_area", false);
    Frame();
    ASSERT_EQ(World()->GetState(), WorldMapPanel::kConfirm);
    EXPECT_EQ(perFrame(false), 0);
    EXPECT_GT(perFrame(true), 0);
    g_loadSaveMgr->SetTutorialActive(false);
}

} // namespace
