// Map transitions, saves and loads in the running game on the demo world: one transition a
// frame, the fatal box, the working files and the slots, and nothing lost when a load or a
// save cannot be done.
#include "Library/interface/message_box.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/entities/entity_fakes.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "Source/loops.h"
#include "Source/main.h"
#include "Source/world/demo_game.h"
#include "Source/world/log_mgr.h"
#include "Source/world/map_state_bytes.h"
#include "Source/world/story_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace testsupport;

// Copies fail once the number allowed has been made, as on a full disk.
class FillingFiles : public SaveFiles {
public:
    bool Copy(const Stringc& from, const Stringc& to) override {
        return copiesLeft-- > 0 && SaveFiles::Copy(from, to);
    }
    int copiesLeft = 0;
};

// The story page, which shows the page it was last sent to, with the picture it is given.
class RecordingPages : public StoryPages {
public:
    RecordingPages() { g_storyPages = this; }
    ~RecordingPages() override { g_storyPages = nullptr; }
    const Stringc& GetCurrentPage() const override { return current; }
    int GetPicture() const override { return picture; }
    bool GoToPage(const Stringc& name) override {
        current = name;
        shown.push_back(name.c_str());
        return true;
    }
    void KeepPicture(int) override {}
    Stringc current;
    std::vector<std::string> shown;
    int picture = 0; // kept when the page is left, as the game's page keeps its own
};

class Transitions : public DemoGame {
protected:
    using Files = std::map<std::string, std::string>; // name: bytes

    void Run(const std::function<void()>& request) {
        request();
        Frame();
        ASSERT_FALSE(g_loadSaveMgr->IsShowingErrorBox());
    }
    // The save directory's working files, or a slot's files.
    Files FilesIn(const std::string& directory) const {
        const std::string extension = directory.empty() ? ".tmp" : ".sav";
        Files files;
        const std::filesystem::path path = World().Path("SaveGame/" + directory);
        if (!std::filesystem::exists(path))
            return files;
        for (const auto& entry : std::filesystem::directory_iterator(path))
            if (entry.is_regular_file() && entry.path().extension() == extension)
                files[entry.path().filename().string()] = World().ReadFile(
                    "SaveGame/" + directory + "/" + entry.path().filename().string());
        return files;
    }
    static std::vector<std::string> Names(const Files& files) {
        std::vector<std::string> names;
        for (const auto& file : files)
            names.push_back(file.first);
        return names;
    }
    Vector LeaderAt() const { return g_partyMgr->GetLeader()->GetPosition(); }
};

TEST_F(Transitions, OfTwoRequestsInAFrameTheLaterRunsAndAnArrivalUnpauses) {
    ASSERT_TRUE(g_partyMgr->AddCharacterByName(kCharacter));
    g_gameMode->SetPaused(true);
    g_loadSaveMgr->RequestMapToMap("nowhere", "");
    g_loadSaveMgr->RequestPageToMap("demo.reg", "gate");
    Frame();
    EXPECT_EQ(Mode(), kModeAreaMap);
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "demo");
    EXPECT_TRUE(g_partyMgr->GetLeader()->HasAnyFlag(Entity::kFlagPartyMember));
    EXPECT_FALSE(g_gameMode->IsPaused());
}

TEST_F(Transitions, AFailedOneShowsTheFatalBoxInModeNoneWhoseButtonQuits) {
    StartOnDemoMap();
    g_gameMode->SetPaused(true);
    g_loadSaveMgr->RequestMapToMap("nowhere", "gate");
    Frame();
    ASSERT_TRUE(g_loadSaveMgr->IsShowingErrorBox());
    EXPECT_EQ(Mode(), kModeNone);
    EXPECT_TRUE(g_gameMode->IsPaused()) << "cleared only by a transition that succeeds";
    EXPECT_EQ(g_loadSaveMgr->GetErrorBox()->GetText(),
              "There was an unrecoverable error: MAP_TO_MAP The game will now exit.");
    Frames(2);
    EXPECT_FALSE(g_quit);
    const Rect& box = g_loadSaveMgr->GetErrorBox()->GetRect();
    Click(box.x1 + LoadSaveMgr::kErrorButtonX + 10, box.y1 + LoadSaveMgr::kErrorButtonY + 10);
    Frame();
    EXPECT_TRUE(g_quit);
}

TEST_F(Transitions, ATutorialWhoseStartScriptFailsLeavesTheTutorialFlagClear) {
    ASSERT_TRUE(g_partyMgr->AddCharacterByName(kCharacter));
    g_loadSaveMgr->RequestInitTutorial("no_such_script");
    Frame();
    EXPECT_TRUE(g_loadSaveMgr->IsShowingErrorBox());
    EXPECT_FALSE(g_loadSaveMgr->IsTutorialActive());
}

// The region's script is told of the start on the first visit alone; of the arrival each
// time.
TEST_F(Transitions, AMapVisitedAgainComesFromItsWorkingFileWithoutAStartEvent) {
    CallLog log;
    const RecordingScriptFactory scripts(log);
    const auto regionEvents = [&log](const char* event) {
        return std::count(log.begin(), log.end(), std::string("region event ") + event);
    };
    StartOnDemoMap();
    EXPECT_EQ(regionEvents("1"), 1);
    EXPECT_EQ(regionEvents("3"), 1);
    EXPECT_EQ(regionEvents("2"), 1);
    log.clear();
    Run([] { g_loadSaveMgr->RequestMapToMap("demo2", "road"); });
    EXPECT_TRUE(g_loadSaveMgr->IsFirstVisit());
    EXPECT_EQ(regionEvents("1"), 1);
    log.clear();
    Run([] { g_loadSaveMgr->RequestMapToMap("demo", "road"); });
    EXPECT_FALSE(g_loadSaveMgr->IsFirstVisit());
    EXPECT_EQ(regionEvents("1"), 0);
    EXPECT_EQ(regionEvents("2"), 1);
    EXPECT_EQ(Names(FilesIn("")),
              (std::vector<std::string>{"demo.tmp", "demo2.tmp", "plrdata.tmp"}));
}

// "town.v2.map" is the second map under a name with a dot of its own, beside a "town" pair
// that is the demo map, with no "town" script: each visit, the first, the one from its
// working file and a load, brings its own region, working file and region script, and the
// script that runs is its own, which files the glade's topic when the region is entered.
TEST_F(Transitions, ADottedMapKeepsItsOwnRegionWorkingFileAndScriptOnEveryVisit) {
    const auto copy = [this](const std::string& from, const std::string& to) {
        World().WriteFile(to, World().ReadFile(from));
    };
    copy("Data/TileMap/demo2.map", "Data/TileMap/town.v2.map");
    copy("Data/Region/demo2.reg", "Data/Region/town.v2.reg");
    copy("Script/demo2_map.scr", "Script/town.v2_map.scr");
    copy("Data/TileMap/demo.map", "Data/TileMap/town.map");
    copy("Data/Region/demo.reg", "Data/Region/town.reg");
    ASSERT_FALSE(std::filesystem::exists(World().Path("Script/town.scr")));
    g_gameMode->SetUseResourceFiles(false); // the copies lie beside the archive
    StartOnDemoMap();
    Run([] { g_loadSaveMgr->RequestMapToMap("demo2", "road"); });
    const Vector road = LeaderAt();
    const char* const glade = "The glade";
    const auto gladeFiledOnArrival = [this, glade](const std::function<void()>& arrive) {
        g_logMgr->Clear();
        arrive();
        Frames(3);
        return g_logMgr->Find(glade) != nullptr;
    };

    const std::pair<const char*, const char*> visits[] = {
        {"town.v2.map", "town.v2"}, {"demo.map", "demo"}, {"town.v2.map", "town.v2"}};
    for (const auto& [asked, entered] : visits) {
        const bool filed = gladeFiledOnArrival([this, asked = asked] {
            Run([asked] { g_loadSaveMgr->RequestMapToMap(asked, "road"); });
        });
        ASSERT_FALSE(g_loadSaveMgr->IsShowingErrorBox()) << asked;
        EXPECT_EQ(g_loadSaveMgr->GetMapName(), entered) << asked;
        EXPECT_EQ(filed, std::string(entered) == "town.v2") << asked;
    }
    EXPECT_FALSE(g_loadSaveMgr->IsFirstVisit());
    EXPECT_EQ(LeaderAt(), road);
    EXPECT_EQ(FilesIn("").count("town.v2.tmp"), 1u);
    EXPECT_EQ(FilesIn("").count("town.tmp"), 0u);

    Run([] { g_loadSaveMgr->RequestSaveGame(2, "In town"); });
    Run([] { g_loadSaveMgr->RequestLoadGame(2); });
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "town.v2");
    EXPECT_EQ(g_entityMgr->GetRegionScriptName(), "town.v2_map");
    EXPECT_EQ(g_entityMgr->GetHeaderFailures(), 0u);
    EXPECT_TRUE(gladeFiledOnArrival([] { g_entityMgr->PostTransitionEventA(); }));
}

TEST_F(Transitions, AGameSavedThenLoadedAfterANewGameHasTheSameWorkingFiles) {
    StartOnDemoMap();
    Run([] { g_loadSaveMgr->RequestSaveGame(3, "At the gate"); });
    EXPECT_EQ(LastMessage(), "Game Saved.");
    EXPECT_EQ(Names(FilesIn("slot03")), (std::vector<std::string>{"demo.sav", "plrdata.sav"}));
    const Files saved = FilesIn("");

    Run([] { g_loadSaveMgr->RequestInitGame("game_init"); });
    EXPECT_TRUE(FilesIn("").count("demo.tmp") == 0) << "a new game starts without them";
    Run([] { g_loadSaveMgr->RequestLoadGame(3); });
    EXPECT_EQ(FilesIn(""), saved);
    EXPECT_EQ(Mode(), kModeAreaMap);
    EXPECT_EQ(LastMessage(), "Game Loaded.");
    EXPECT_EQ(LeaderAt(), Vector(49.5f, 43, 0));
    EXPECT_EQ(g_loadSaveMgr->GetSlotDescription(3), "At the gate");
}

TEST_F(Transitions, ATemporaryMapIsSavedAsTheTemporaryMapAndLoadedFromIt) {
    StartOnDemoMap();
    Run([] { g_loadSaveMgr->RequestPageToTempMap("demo2", "demo2_map", "road"); });
    EXPECT_TRUE(g_loadSaveMgr->IsInTemporaryMap());
    Run([] { g_loadSaveMgr->RequestSaveGame(4, "In the glade"); });
    EXPECT_EQ(Names(FilesIn("slot04")),
              (std::vector<std::string>{"plrdata.sav", "temporary_map.sav"}));
    Run([] { g_loadSaveMgr->RequestLoadGame(4); });
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "demo2");
    EXPECT_EQ(g_loadSaveMgr->GetWorkingMapName(), "temporary_map");
    EXPECT_FALSE(g_loadSaveMgr->IsFirstVisit());
}

// A game saved on a page keeps no map and comes back to that page.
TEST_F(Transitions, AGameSavedOnAStoryPageIsLoadedOntoThatPage) {
    RecordingPages pages;
    StartOnDemoMap();
    Run([] { g_loadSaveMgr->RequestMapToPage("the_road"); });
    EXPECT_EQ(Mode(), kModeStoryPage);
    Run([] { g_loadSaveMgr->RequestSaveGame(7, "On the road"); });
    EXPECT_EQ(Names(FilesIn("slot07")), (std::vector<std::string>{"demo.sav", "plrdata.sav"}));
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "");
    Run([] { g_loadSaveMgr->RequestLoadGame(7); });
    EXPECT_EQ(Mode(), kModeStoryPage);
    EXPECT_EQ(pages.shown, (std::vector<std::string>{"the_road", "the_road"}));
}

// The player data ends with the page's picture: the page's own on a page, none on a map,
// though the page left for the map still holds the one it showed.
TEST_F(Transitions, AGameSavedOnAMapStoresNoPictureOfThePageLeftBefore) {
    RecordingPages pages;
    pages.picture = 3;
    StartOnDemoMap();
    Run([] { g_loadSaveMgr->RequestMapToPage("the_road"); });
    Run([] { g_loadSaveMgr->RequestSaveGame(7, "On the road"); });
    Run([] { g_loadSaveMgr->RequestPageToMap("demo", "gate"); });
    ASSERT_EQ(Mode(), kModeAreaMap);
    Run([] { g_loadSaveMgr->RequestSaveGame(8, "At the gate"); });
    const std::string onThePage = FilesIn("slot07")["plrdata.sav"];
    const std::string onTheMap = FilesIn("slot08")["plrdata.sav"];
    ASSERT_FALSE(onThePage.empty() || onTheMap.empty());
    EXPECT_EQ(onThePage.back(), 3);
    EXPECT_EQ(onTheMap.back(), 0);
}

TEST_F(Transitions, SavingOverAUsedSlotLeavesNoStaleFile) {
    StartOnDemoMap();
    Run([] { g_loadSaveMgr->RequestMapToMap("demo2", "road"); });
    Run([] { g_loadSaveMgr->RequestSaveGame(2, "first"); });
    EXPECT_EQ(Names(FilesIn("slot02")),
              (std::vector<std::string>{"demo.sav", "demo2.sav", "plrdata.sav"}));
    Run([] { g_loadSaveMgr->RequestInitGame("game_init"); });
    Run([] { g_loadSaveMgr->RequestPageToMap("demo", "gate"); });
    Run([] { g_loadSaveMgr->RequestSaveGame(2, "second"); });
    EXPECT_EQ(Names(FilesIn("slot02")), (std::vector<std::string>{"demo.sav", "plrdata.sav"}));
    EXPECT_EQ(g_loadSaveMgr->GetSlotDescription(2), "second");
}

TEST_F(Transitions, ASaveCutShortByAFullDiskLeavesTheOldSlotWholeAndTheGameRunning) {
    StartOnDemoMap();
    Run([] { g_loadSaveMgr->RequestSaveGame(3, "kept"); });
    const Files kept = FilesIn("slot03");
    Run([] { g_loadSaveMgr->RequestMapToMap("demo2", "road"); });
    FillingFiles full;
    full.copiesLeft = 1;
    g_loadSaveMgr->SetFiles(&full);
    Run([] { g_loadSaveMgr->RequestSaveGame(3, "lost"); });
    g_loadSaveMgr->SetFiles(nullptr);
    EXPECT_EQ(FilesIn("slot03"), kept);
    EXPECT_TRUE(FilesIn("slot03.new").empty());
    EXPECT_EQ(Mode(), kModeAreaMap);
    EXPECT_EQ(LastMessage(), "The game could not be saved.");
    EXPECT_EQ(g_loadSaveMgr->GetSlotDescription(3), "kept");
}

TEST_F(Transitions, ALoadFromAnEmptyBrokenOrMissingSlotChangesNothing) {
    StartOnDemoMap();
    Run([] { g_loadSaveMgr->RequestMapToMap("demo2", "road"); });
    World().WriteFile("SaveGame/slot06/plrdata.sav", std::string{3, 0, 'a', 'b'});
    const Files before = FilesIn("");
    struct Case {
        int slot;
        const char* message;
    };
    for (const Case& c :
         {Case{5, "Save slot 5 is empty."}, Case{6, "The game saved in slot 6 cannot be read."},
          Case{0, "There is no save slot 0."}, Case{11, "There is no save slot 11."}}) {
        Run([&c] { g_loadSaveMgr->RequestLoadGame(c.slot); });
        EXPECT_EQ(LastMessage(), c.message);
        EXPECT_EQ(FilesIn(""), before);
        EXPECT_EQ(Mode(), kModeAreaMap);
        EXPECT_EQ(g_loadSaveMgr->GetMapName(), "demo2");
    }
}

// The working map's name is where the next save writes the map: a slot naming one outside the
// save folder is damaged, and a request naming a map or script outside its folder is refused.
TEST_F(Transitions, NamesLeadingOutOfTheirFoldersAreRefusedAndNothingIsWrittenThere) {
    StartOnDemoMap();
    Run([] { g_loadSaveMgr->RequestSaveGame(3, "At the gate"); });
    Run([] { g_loadSaveMgr->RequestMapToMap("demo2", "road"); });
    std::string saved = World().ReadFile("SaveGame/slot03/plrdata.sav");
    const size_t workingNameAt = 2 + 12 + 2 + 5; // after the description and the map's name
    saved.replace(workingNameAt, 2 + 5, std::string{5, 0, '.', '.', '/', 'x', 0});
    World().WriteFile("SaveGame/slot03/plrdata.sav", saved);
    const Files before = FilesIn("");
    Run([] { g_loadSaveMgr->RequestLoadGame(3); });
    EXPECT_EQ(LastMessage(), "The game saved in slot 3 cannot be read.");
    EXPECT_EQ(FilesIn(""), before);
    EXPECT_EQ(g_loadSaveMgr->GetSlotDescription(3), "");

    Run([] { g_loadSaveMgr->RequestMapToMap("../demo", "gate"); });
    Run([] { g_loadSaveMgr->RequestPageToTempMap("demo", "/demo2_map", "road"); });
    Run([] { g_loadSaveMgr->RequestMapToPage("C:page"); });
    Run([] { g_loadSaveMgr->RequestSaveGame(4, "After"); });
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "demo2");
    EXPECT_FALSE(g_loadSaveMgr->IsInTemporaryMap());
    EXPECT_EQ(Mode(), kModeAreaMap);
    EXPECT_FALSE(std::filesystem::exists(World().Path("x.tmp")));
}

// An area map must be named: an empty name would leave the party in the map's mode on none.
TEST_F(Transitions, AnEmptyAreaMapNameIsRefusedAndThePartyStaysOnItsMap) {
    StartOnDemoMap();
    Run([] { g_loadSaveMgr->RequestMapToMap("", "gate"); });
    Run([] { g_loadSaveMgr->RequestPageToTempMap("", "demo2_map", "road"); });
    Run([] { g_loadSaveMgr->RequestWorldToTempMap2("", "demo2_map"); });
    EXPECT_FALSE(g_loadSaveMgr->IsShowingErrorBox());
    EXPECT_EQ(Mode(), kModeAreaMap);
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "demo");
    EXPECT_FALSE(g_loadSaveMgr->IsInTemporaryMap());
    EXPECT_GT(g_tileMap->GetWidth(), 0);
}

// Nor may the world map go unnamed, from a map, a temporary map or a page: the party stays
// where it is, in that place's mode.
TEST_F(Transitions, AnEmptyWorldMapNameIsRefusedAndThePartyStaysWhereItIs) {
    RecordingPages pages;
    StartOnDemoMap();
    Run([] { g_loadSaveMgr->RequestMapToWorld("", "east road"); });
    EXPECT_EQ(Mode(), kModeAreaMap);
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "demo");
    EXPECT_GT(g_tileMap->GetWidth(), 0);

    Run([] { g_loadSaveMgr->RequestPageToTempMap("demo2", "demo2_map", "road"); });
    Run([] { g_loadSaveMgr->RequestTempMapToWorld("", ""); });
    EXPECT_EQ(Mode(), kModeAreaMap);
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "demo2");
    EXPECT_TRUE(g_loadSaveMgr->IsInTemporaryMap());
    EXPECT_GT(g_tileMap->GetWidth(), 0);

    Run([] { g_loadSaveMgr->RequestMapToPage("the_road"); });
    Run([] { g_loadSaveMgr->RequestPageToWorld("", "east road"); });
    EXPECT_EQ(Mode(), kModeStoryPage);
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "demo2");
    EXPECT_EQ(pages.shown, std::vector<std::string>{"the_road"});
}

// The slot is read against the maps it goes with before anything in play is touched: the
// map it is on must load and have its state in the slot, and each map's state must count that
// map's cells, the one entered now and one entered on a later journey alike.
TEST_F(Transitions, ASlotThatDoesNotFitItsMapsIsRefusedBeforeAnythingIsTouched) {
    StartOnDemoMap();
    const uint32_t demoCells =
        static_cast<uint32_t>(g_tileMap->GetWidth() * g_tileMap->GetHeight());
    Run([] { g_loadSaveMgr->RequestMapToMap("demo2", "road"); });
    const uint32_t cells = static_cast<uint32_t>(g_tileMap->GetWidth() * g_tileMap->GetHeight());
    Run([] { g_loadSaveMgr->RequestSaveGame(3, "In the glade"); });
    const Files slot = FilesIn("slot03");
    std::string player = slot.at("plrdata.sav");
    const std::string mapName("\6\0demo2\0", 8); // the first of the two names is the map's
    ASSERT_NE(player.find(mapName), std::string::npos);
    player.replace(player.find(mapName), mapName.size(), std::string("\6\0demo3\0", 8));
    const std::pair<const char*, std::optional<std::string>> forgeries[] = {
        {"demo.sav", WithOneExploredCellMore(slot.at("demo.sav"), demoCells)},
        {"demo2.sav", WithOneExploredCellMore(slot.at("demo2.sav"), cells)},
        {"demo2.sav", std::nullopt}, // gone
        {"plrdata.sav", player}};
    const Files before = FilesIn("");
    for (const auto& [name, bytes] : forgeries) {
        const std::string path = std::string("SaveGame/slot03/") + name;
        if (bytes)
            World().WriteFile(path, *bytes);
        else
            std::filesystem::remove(World().Path(path));
        ASSERT_FALSE(bytes && bytes->empty()) << name;
        testing::internal::CaptureStderr();
        g_loadSaveMgr->RequestLoadGame(3);
        Frame();
        testing::internal::GetCapturedStderr();
        ASSERT_FALSE(g_loadSaveMgr->IsShowingErrorBox()) << name;
        EXPECT_EQ(LastMessage(), "The game saved in slot 3 cannot be read.") << name;
        EXPECT_TRUE(FilesIn("") == before) << name;
        EXPECT_EQ(g_loadSaveMgr->GetMapName(), "demo2") << name;
        World().WriteFile(path, slot.at(name));
    }
    Run([] { g_loadSaveMgr->RequestLoadGame(3); });
    EXPECT_EQ(LastMessage(), "Game Loaded.");
}

// A slot whose map file names a template outside its folder is refused when it is chosen,
// as one whose player data does: the game goes on where it was and the slot keeps its files.
TEST_F(Transitions, ASlotWhoseMapFileNamesAFileOutOfItsFolderIsRefusedWhenChosen) {
    StartOnDemoMap();
    Run([] { g_loadSaveMgr->RequestSaveGame(3, "At the gate"); });
    Run([] { g_loadSaveMgr->RequestMapToMap("demo2", "road"); });
    const std::string signpost("\t\0signpost\0", 11); // a stored template name
    bool forged = false;
    for (const auto& [name, bytes] : FilesIn("slot03")) {
        const size_t at = bytes.find(signpost);
        if (name == "plrdata.sav" || at == std::string::npos)
            continue;
        std::string changed = bytes;
        changed.replace(at, signpost.size(), std::string("\t\0../signp\0", 11));
        World().WriteFile("SaveGame/slot03/" + name, changed);
        forged = true;
    }
    ASSERT_TRUE(forged);
    const Files slot = FilesIn("slot03");
    const Files before = FilesIn("");
    testing::internal::CaptureStderr();
    Run([] { g_loadSaveMgr->RequestLoadGame(3); });
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(LastMessage(), "The game saved in slot 3 cannot be read.");
    EXPECT_EQ(Mode(), kModeAreaMap);
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "demo2");
    EXPECT_TRUE(FilesIn("") == before); // compared whole: their bytes are not worth printing
    EXPECT_TRUE(FilesIn("slot03") == slot);
    EXPECT_EQ(g_loadSaveMgr->GetSlotDescription(3), "At the gate");
}

} // namespace
