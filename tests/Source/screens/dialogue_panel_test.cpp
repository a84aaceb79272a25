// The dialogue screen on the demo map through the main loop: the trader's two labels, the
// refusals of those who will not trade, the end back on the map, and scripts that repeat a
// response or cannot be loaded.
#include "Source/screens/dialogue_panel.h"

#include "Library/files/data_paths.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/message_box.h"
#include "Library/interface/text_block.h"
#include "Library/world/game_mode.h"
#include "Library/world/mode_record.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_data.h"
#include "Source/entities/creature_meeting.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/entity_ptr_list.h"
#include "Source/entities/soldier_entity.h"
#include "Source/screens/demo_map_party.h"
#include "Source/world/party_mgr.h"
#include "Source/world/region_mgr.h"
#include "tools/scriptbuilder/script_builder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace testsupport;

constexpr Point kTradeButton{401, 528};
constexpr Point kMessageOk{400, 356};
constexpr int32_t kSays = 54;
constexpr int32_t kResponse = 55;

std::vector<std::string> Lines(const InfoPanel& panel) {
    std::vector<std::string> lines;
    for (int i = 0; i < panel.GetWindow().GetBlockCount(); ++i)
        lines.push_back(panel.GetWindow().GetBlock(i).GetText().c_str());
    return lines;
}

std::vector<uint32_t> Ids(const InfoPanel& panel) {
    std::vector<uint32_t> ids;
    for (int i = 0; i < panel.GetWindow().GetBlockCount(); ++i)
        ids.push_back(panel.GetWindow().GetBlock(i).GetId());
    return ids;
}

class DialogueScreen : public DemoMapParty {
protected:
    static Entity* Soldier(const char* templateName) {
        EntityPtrList* soldiers = nullptr;
        Entity* found = nullptr;
        if (g_entityMgr->GetPool(Entity::kTypeSoldier, soldiers))
            soldiers->ForEachUsed([&](Entity& soldier) {
                if (soldier.GetTemplateName() == templateName)
                    found = &soldier;
            });
        return found;
    }
    void Talk(Entity* partner) {
        ASSERT_NE(partner, nullptr);
        if (Mode() != kModeAreaMap) { // only the map's party talks
            g_gameMode->SetMode(kModeAreaMap);
            Frames(2);
        }
        ASSERT_TRUE(StartDialogue(partner, g_partyMgr->GetLeader()));
        Frames(2);
        ASSERT_EQ(Mode(), kModeDialogue);
    }
    // The dialogue named, with the trader to answer, as a direct mode request makes it.
    void Open(const char* name) {
        ModeRecord record(kModeDialogue, 0, 0, 0, 0);
        record.SetEntity(Soldier("trader"));
        record.SetName(name);
        g_gameMode->SetModeFromRecord(record);
        Frames(2);
    }
    DialoguePanel& Dialogue() const { return *PageAs<DialoguePanel>(); }
    void ClickResponse(const std::string& text) {
        const GtWindow& list = Dialogue().GetResponses().GetWindow();
        for (int block = 0; block < list.GetBlockCount(); ++block) {
            if (text != list.GetBlock(block).GetText().c_str())
                continue;
            const ScreenPos& place = list.GetBlock(block).GetPosition();
            Click(place.x + 4, place.y + 4);
            return;
        }
        ADD_FAILURE() << "no response " << text;
    }
};

TEST_F(DialogueScreen, TheTradersGreetingLeadsToHerNewsAndBackAndFarewellEndsOnTheMap) {
    Talk(Soldier("trader"));
    EXPECT_EQ(Lines(Dialogue().GetStatements()),
              std::vector<std::string>{"Welcome, traveller. Potions and bullets, at fair prices."});
    EXPECT_EQ(Lines(Dialogue().GetResponses()),
              (std::vector<std::string>{"Let us trade.", "Any news?", "Farewell."}));

    ClickResponse("Any news?");
    Frame();
    EXPECT_EQ(Lines(Dialogue().GetStatements()),
              std::vector<std::string>{"They say a mad scientist roams the meadow. Mind him."});
    EXPECT_EQ(Lines(Dialogue().GetResponses()), std::vector<std::string>{"Back to business."});
    ClickResponse("Back to business.");
    Frame();
    EXPECT_EQ(Lines(Dialogue().GetResponses()).size(), 3u);

    Click(kTradeButton);
    EXPECT_EQ(g_gameMode->GetPendingModeId(), kModeTrade);
    Frames(2);
    Talk(Soldier("trader")); // the dialogue goes on from the label it reached
    ClickResponse("Let us trade.");
    EXPECT_EQ(g_gameMode->GetPendingModeId(), kModeTrade);
    Frames(2);

    Talk(Soldier("trader"));
    g_gameMode->SetPaused(true);
    ClickResponse("Farewell.");
    Frames(2);
    EXPECT_EQ(Mode(), kModeAreaMap);
    EXPECT_FALSE(g_gameMode->IsPaused());
}

// The response a click names is found by its id: each run from a new label numbers its
// responses from 0 again.
TEST_F(DialogueScreen, ANewLabelNumbersItsResponsesFromZeroAgain) {
    Talk(Soldier("trader"));
    EXPECT_EQ(Ids(Dialogue().GetResponses()), (std::vector<uint32_t>{0, 1, 2}));
    ClickResponse("Any news?");
    Frame();
    EXPECT_EQ(Ids(Dialogue().GetResponses()), std::vector<uint32_t>{0});
    ClickResponse("Back to business.");
    Frame();
    EXPECT_EQ(Ids(Dialogue().GetResponses()), (std::vector<uint32_t>{0, 1, 2}));
}

// The refusal shows in the box, which alone hears the player: its OK, over the responses,
// chooses none of them.
TEST_F(DialogueScreen, ThoseWhoWillNotTradeSaySoAndTheBoxHidesTheResponses) {
    Entity* scientist = Soldier("scimale_neutral");
    Talk(scientist);
    Click(kTradeButton);
    ASSERT_EQ(Dialogue().GetSubState(), DialoguePanel::kMessageShown);
    EXPECT_STREQ(Dialogue().GetMessageBox().GetText().c_str(), "He will not trade with you.");
    const size_t statements = Lines(Dialogue().GetStatements()).size();
    Click(kMessageOk);
    Frames(2);
    EXPECT_EQ(Dialogue().GetSubState(), DialoguePanel::kLists);
    EXPECT_EQ(Lines(Dialogue().GetStatements()).size(), statements);
    EXPECT_EQ(Mode(), kModeDialogue);

    Entity* trader = Soldier("trader");
    Creature::Of(trader)->GetData().SetWillTrade(false);
    Talk(trader);
    Click(kTradeButton);
    EXPECT_STREQ(Dialogue().GetMessageBox().GetText().c_str(), "She will not trade with you.");

    Talk(g_entityMgr->GetEntity(Entity::kTypeTrigger, 0)); // the pond's sign
    ClickResponse("Trade with the sign.");
    Frame();
    EXPECT_STREQ(Dialogue().GetMessageBox().GetText().c_str(), "You cannot trade with it.");
}

// A trade response refused goes back to where the talk began: once the box is closed, the
// opening line stands there once, its responses offered again.
TEST_F(DialogueScreen, ARefusedTradeLeavesTheOpeningLineWrittenOnce) {
    const struct {
        Entity* partner;
        const char* trade;
        const char* opening;
    } talks[] = {
        {Soldier("scimale_neutral"), "Will you trade?", "Hm? I am busy with my experiments."},
        {g_entityMgr->GetEntity(Entity::kTypeTrigger, 0), "Trade with the sign.",
         "The pond is deep in the middle; the ford is by its northern shore."}};
    for (const auto& talk : talks) {
        Talk(talk.partner);
        const std::vector<std::string> responses = Lines(Dialogue().GetResponses());
        ClickResponse(talk.trade);
        Frame();
        ASSERT_EQ(Dialogue().GetSubState(), DialoguePanel::kMessageShown) << talk.trade;
        Click(kMessageOk);
        Frames(2);
        EXPECT_EQ(Lines(Dialogue().GetStatements()), std::vector<std::string>{talk.opening});
        EXPECT_EQ(Lines(Dialogue().GetResponses()), responses);
        EXPECT_EQ(Mode(), kModeDialogue);
    }
}

TEST_F(DialogueScreen, AResponseIsListedOnceAndAClickRunsTheScriptOnce) {
    ScriptBuilder script("twice");
    script.Call(kCallQuery, kSays, "Hello.")
        .Call(kCallQuery, kResponse, "Again.")
        .Call(kCallQuery, kResponse, "AGAIN.")
        .End();
    ASSERT_TRUE(script.WriteFile(g_dataPaths->GetScriptDir() + "/twice.scr"));
    g_gameMode->SetUseResourceFiles(false); // it lies beside the archive
    Open("twice");
    ASSERT_EQ(Mode(), kModeDialogue);
    EXPECT_EQ(Lines(Dialogue().GetResponses()), std::vector<std::string>{"Again."});
    ClickResponse("Again.");
    Frames(3);
    EXPECT_EQ(Lines(Dialogue().GetStatements()),
              (std::vector<std::string>{"Hello.", "Hello."})); // one run more, no other
    // That run had the choice; the next asks of the same answer find it unchosen.
    EXPECT_FALSE(Dialogue().AddResponseAndTest("Again."));
}

TEST_F(DialogueScreen, ADialogueThatCannotStartEndsBackOnTheMap) {
    for (const char* name : {"no_such_dialogue", "", "../outside"}) {
        g_gameMode->SetPaused(true);
        Open(name);
        EXPECT_EQ(Mode(), kModeAreaMap) << name;
        EXPECT_FALSE(g_gameMode->IsPaused()) << name;
    }
}

} // namespace
