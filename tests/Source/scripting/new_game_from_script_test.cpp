// A new game started by a map's script: its start script must send the party to a page or
// a map, for the session it starts in holds no map; one that asks for neither is a failed
// start, told in the fatal box. The party it starts with is its character alone.
#include "Library/interface/message_box.h"
#include "Library/world/tile_map.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/script_machine.h"
#include "Source/entities/soldier_entity.h"
#include "Source/world/drifting_lantern_page.h"
#include "demo_script_game.h"

#include <string>

using namespace testsupport;

namespace {

constexpr int kNewGame = 88;
constexpr int kJoinParty = 11;
constexpr int kGoToPage = 215;
constexpr int kPageToMap = 216;

class NewGameFromScript : public DemoScriptGame {
protected:
    // A start script that makes the calls on its start event; it lies beside the archive.
    static void WriteStartScript(const char* name, const std::vector<ScriptFuncHeader>& calls) {
        g_gameMode->SetUseResourceFiles(false);
        ScriptBuilder script(name);
        script.Call(kNativeEventTest, kScriptEventStart).JumpIfFalse("end");
        for (const ScriptFuncHeader& call : calls)
            script.Call(call);
        ASSERT_TRUE(script.Label("end").End().WriteFile(CompiledScriptPath(name)));
    }
    void NewGameFromTheMap(const char* startScript) {
        Run(g_entityMgr->GetRegionScript(), kNewGame, startScript);
        Frame();
    }
};

TEST_F(NewGameFromScript, WhoseStartScriptAsksForNothingFailsInTheFatalBox) {
    WriteStartScript("idle_start", {ScriptBuilder::Header(kNativeAction, 0)});
    NewGameFromTheMap("idle_start");
    ASSERT_TRUE(g_loadSaveMgr->IsShowingErrorBox());
    EXPECT_EQ(g_loadSaveMgr->GetErrorBox()->GetText(),
              "There was an unrecoverable error: INIT_GAME The game will now exit.");
    Frame();
    EXPECT_EQ(Mode(), kModeNone);
}

// The tutorial's start is refused alike, its flag left clear.
TEST_F(NewGameFromScript, ATutorialWhoseStartScriptAsksForNothingFailsWithItsFlagClear) {
    WriteStartScript("idle_tutorial", {});
    g_loadSaveMgr->RequestInitTutorial("idle_tutorial");
    Frame();
    ASSERT_TRUE(g_loadSaveMgr->IsShowingErrorBox());
    EXPECT_EQ(g_loadSaveMgr->GetErrorBox()->GetText(),
              "There was an unrecoverable error: INIT_TUTORIAL The game will now exit.");
    EXPECT_FALSE(g_loadSaveMgr->IsTutorialActive());
}

TEST_F(NewGameFromScript, WhoseStartScriptTurnsToAPageOrSetsOutForAMapStarts) {
    NewGameFromTheMap("game_init");
    ASSERT_FALSE(g_loadSaveMgr->IsShowingErrorBox());
    EXPECT_EQ(Mode(), kModeStoryPage);

    WriteStartScript("map_start",
                     {ScriptBuilder::Header(kNativeAction, kPageToMap, "demo2", "road")});
    g_loadSaveMgr->RequestPageToMap("demo", "gate");
    Frame();
    ASSERT_EQ(Mode(), kModeAreaMap);
    NewGameFromTheMap("map_start");
    Frame();
    ASSERT_FALSE(g_loadSaveMgr->IsShowingErrorBox());
    EXPECT_EQ(Mode(), kModeAreaMap);
    EXPECT_EQ(g_loadSaveMgr->GetMapName(), "demo2");
    EXPECT_GT(g_tileMap->GetWidth(), 0);
}

// The new game's party is its character alone, read back into the new region from the
// player's file; the page the start script turns to owns no creature, so its script adds
// nobody, and the character sets out from it alone.
TEST_F(NewGameFromScript, OnThePageItTurnsToThePartyIsTheCharacterAlone) {
    WriteStartScript("joining_page", {ScriptBuilder::Header(kNativeAction, kJoinParty)});
    WriteStartScript("page_start",
                     {ScriptBuilder::Header(kNativeAction, kGoToPage, "joining_page")});
    SoldierEntity* const joined =
        CreateCreature(*g_entityMgr, "scimale_neutral", Leader()->GetPosition(), 0);
    ASSERT_NE(joined, nullptr);
    Run(joined->GetScriptSlot(0), kJoinParty);
    ASSERT_EQ(g_partyMgr->GetCount(), 2);

    testing::internal::CaptureStderr();
    NewGameFromTheMap("page_start");
    Frame();
    const std::string said = testing::internal::GetCapturedStderr();
    ASSERT_EQ(Mode(), kModeStoryPage);
    ASSERT_EQ(g_page->GetCurrentPage(), "joining_page");
    EXPECT_NE(said.find("joining_page: ACTION CALL FAILED: 11"), std::string::npos) << said;
    const auto characterAlone = [] {
        SoldierEntity* const leader = Leader();
        EXPECT_EQ(g_partyMgr->GetCount(), 1);
        ASSERT_NE(leader, nullptr);
        EXPECT_TRUE(g_entityMgr->IsSoldierLive(leader));
        EXPECT_EQ(leader->GetTemplateName(), kCharacter);
    };
    characterAlone();
    int soldiers = 0;
    for (int slot = 0; slot < g_entityMgr->GetSlotCount(Entity::kTypeSoldier); ++slot)
        soldiers += g_entityMgr->IsSlotUsed(Entity::kTypeSoldier, slot);
    EXPECT_EQ(soldiers, 1) << "the one who joined on the map stayed behind";

    g_loadSaveMgr->RequestPageToMap("demo", "gate");
    Frame();
    ASSERT_EQ(Mode(), kModeAreaMap);
    characterAlone();
}

} // namespace
