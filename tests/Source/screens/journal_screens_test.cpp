// The screens of the party's leader in a game on the demo map: the quest log the "j" key
// opens, the choice of the leader's idle script, and the spell book's frame.
#include "Library/graphics/graphic_mgr.h"
#include "Library/graphics/rect.h"
#include "Library/graphics/screen.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/message_box.h"
#include "Library/interface/text_block.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_data.h"
#include "Source/entities/soldier_entity.h"
#include "Source/screens/game_play_panel.h"
#include "Source/screens/quest_panel.h"
#include "Source/screens/select_player_script_panel.h"
#include "Source/screens/spell_book_panel.h"
#include "Source/world/demo_game.h"
#include "Source/world/log_mgr.h"
#include "tools/demoworld/demo_region.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace testsupport;

constexpr Point kDone{723, 544};
constexpr Point kQuestDone{401, 582}; // as low as the cursor goes
constexpr Point kRadio[] = {{268, 276}, {268, 334}, {268, 392}};
constexpr Point kRadioCorner[] = {{252, 264}, {252, 322}, {252, 380}}; // top-left

std::vector<std::string> Lines(const InfoPanel& panel) {
    std::vector<std::string> lines;
    for (int i = 0; i < panel.GetWindow().GetBlockCount(); ++i)
        lines.push_back(panel.GetWindow().GetBlock(i).GetText().c_str());
    return lines;
}

const TextBlock* LineOf(const InfoPanel& panel, const std::string& text) {
    for (int i = 0; i < panel.GetWindow().GetBlockCount(); ++i)
        if (panel.GetWindow().GetBlock(i).GetText() == text.c_str())
            return &panel.GetWindow().GetBlock(i);
    return nullptr;
}

class LeaderScreens : public DemoGame {
protected:
    QuestPanel* Log() const { return PageAs<QuestPanel>(); }
    void OpenLog() {
        Release(SDLK_j);
        Frame();
        ASSERT_EQ(Mode(), kModeQuestLog);
        ASSERT_NE(Log(), nullptr);
    }
    void ClickLine(const InfoPanel& panel, const std::string& text) {
        const TextBlock* line = LineOf(panel, text);
        ASSERT_NE(line, nullptr) << text;
        Click(line->GetPosition().x + 2, line->GetPosition().y + 2);
        Frame();
    }
    static CreatureData& LeaderData() { return Creature::Of(Leader())->GetData(); }
};

TEST_F(LeaderScreens, TheQuestLogShowsTheJournalAndKeepsTheTopicChosen) {
    StartOnDemoMap();
    g_logMgr->Clear();
    OpenLog();
    EXPECT_TRUE(Lines(Log()->GetQuests()).empty());
    EXPECT_TRUE(Lines(Log()->GetNotes()).empty());
    EXPECT_TRUE(Lines(Log()->GetQuestText()).empty());
    Click(kQuestDone);
    Frame();
    ASSERT_EQ(Mode(), kModeAreaMap);

    // The meadow's script opens its topic; the glade's files notes under it.
    g_loadSaveMgr->RequestMapToMap("demo", "gate");
    Frames(3);
    g_loadSaveMgr->RequestMapToMap("demo2", "road");
    Frames(3);
    ASSERT_EQ(Mode(), kModeAreaMap);
    OpenLog();
    const InfoPanel& quests = Log()->GetQuests();
    ASSERT_NE(LineOf(quests, DemoRegion::kLostPathTopic), nullptr);
    EXPECT_TRUE(LineOf(quests, DemoRegion::kLostPathTopic)->IsHighlighted());
    EXPECT_FALSE(LineOf(quests, DemoRegion::kMeadowTopic)->IsHighlighted());
    ClickLine(quests, DemoRegion::kMeadowTopic);
    EXPECT_EQ(Lines(Log()->GetNotes()),
              (std::vector<std::string>{DemoRegion::kMeadowNotes[0], DemoRegion::kMeadowNotes[1]}));
    ASSERT_EQ(Lines(Log()->GetQuestText()).size(), 1u);
    EXPECT_TRUE(LineOf(Log()->GetQuests(), DemoRegion::kLostPathTopic)->IsHighlighted());

    Click(kQuestDone);
    Frame();
    OpenLog();
    EXPECT_EQ(g_logMgr->GetCurrentTopic(), DemoRegion::kMeadowTopic);
    EXPECT_EQ(Lines(Log()->GetNotes()).size(), 2u);
}

TEST_F(LeaderScreens, JOpensTheLogOnlyOnTheMapAndNotOverTheMessageBox) {
    StartOnDemoMap();
    auto* play = PageAs<GamePlayPanel>();
    ASSERT_NE(play, nullptr);
    ASSERT_TRUE(play->ShowMessage("a message"));
    Frame();
    Release(SDLK_j);
    Frame();
    EXPECT_EQ(Mode(), kModeAreaMap);

    g_gameMode->SetMode(kModeStoryPage);
    Frame();
    Release(SDLK_j);
    Frame();
    EXPECT_EQ(Mode(), kModeStoryPage);
}

TEST_F(LeaderScreens, ThePlayerScriptChoiceTicksTheLeadersScriptAndStoresAClickAtOnce) {
    StartOnDemoMap();
    struct Case {
        const char* stored;
        int ticked;
    };
    for (const Case& c :
         {Case{"if_idyl_creature_player_001", 1}, Case{"IF_IDYL_CREATURE_PLAYER_001.scr", 1},
          Case{"no_such_script", -1}, Case{"", -1}}) {
        SCOPED_TRACE(c.stored);
        LeaderData().SetScript(CreatureData::kIdleScript, c.stored);
        g_gameMode->SetMode(kModePlayerScript);
        Frame();
        ASSERT_NE(PageAs<SelectPlayerScriptPanel>(), nullptr);
        EXPECT_EQ(PageAs<SelectPlayerScriptPanel>()->GetTicked(), c.ticked);
        g_gameMode->SetMode(kModeAreaMap);
        Frame();
    }
    g_gameMode->SetMode(kModePlayerScript);
    Frame();
    Click(kRadio[2]);
    EXPECT_EQ(LeaderData().GetScript(CreatureData::kIdleScript),
              SelectPlayerScriptPanel::kScriptNames[2]);
    EXPECT_EQ(PageAs<SelectPlayerScriptPanel>()->GetTicked(), 2);
    // The ticked button takes no second press, so a second click stores nothing again.
    LeaderData().SetScript(CreatureData::kIdleScript, SelectPlayerScriptPanel::kScriptNames[0]);
    Click(kRadio[2]);
    EXPECT_EQ(LeaderData().GetScript(CreatureData::kIdleScript),
              SelectPlayerScriptPanel::kScriptNames[0]);
    Click(kDone);
    Frame();
    EXPECT_EQ(Mode(), kModeAreaMap);
}

// A script's radio answers over the whole box drawn for it, and its tick fills that box.
TEST_F(LeaderScreens, AScriptIsChosenByAClickInTheLowerRightCornerOfItsBox) {
    StartOnDemoMap();
    g_gameMode->SetMode(kModePlayerScript);
    Frame();
    ASSERT_NE(PageAs<SelectPlayerScriptPanel>(), nullptr);
    ASSERT_NE(PageAs<SelectPlayerScriptPanel>()->GetTicked(), 2);
    const Point corner = FrameCorner(kRadioCorner[2]);
    ASSERT_GT(corner.x - kRadioCorner[2].x, 10) << "the box is drawn where its radio stands";
    Click(corner.x - 1, corner.y - 1);
    EXPECT_EQ(PageAs<SelectPlayerScriptPanel>()->GetTicked(), 2);
    EXPECT_EQ(LeaderData().GetScript(CreatureData::kIdleScript),
              SelectPlayerScriptPanel::kScriptNames[2]);
    const std::vector<uint16_t> ticked =
        PixelsIn(Rect::Make(kRadioCorner[2].x + 1, kRadioCorner[2].y + 1, corner.x, corner.y));
    EXPECT_TRUE(std::find(ticked.begin(), ticked.end(), Packed(120, 230, 120)) != ticked.end())
        << "the tick shows inside the box";
}

TEST_F(LeaderScreens, TheSpellBookTakesTheLeadersSpellsAndIsSafeWithoutALeader) {
    StartOnDemoMap();
    SpellBookPanel book(*g_graphicMgr, Leader());
    EXPECT_EQ(book.GetSpellMgr(), &LeaderData().GetSpellMgr());
    EXPECT_EQ(book.GetNoticeBox().GetText(), "You cannot tag more than 3 spells at this time.");
    EXPECT_EQ(Lines(book.GetDescription()),
              std::vector<std::string>{SpellBookPanel::kDescriptionText});
    EXPECT_EQ(book.GetState(), SpellBookPanel::kBook);
    EXPECT_EQ(book.GetPage(), 0);
    for (int index = 0; index < SpellBookPanel::kBoxes; ++index)
        ASSERT_NE(book.GetBox(index), nullptr) << index;
    std::map<uint32_t, std::string> pageLabels;
    for (const WidgetEntry& widget : SpellBookPanel::BookLayout())
        if (widget.id == SpellBookPanel::kLeft || widget.id == SpellBookPanel::kRight)
            pageLabels[widget.id] = widget.label;
    EXPECT_EQ(pageLabels, (std::map<uint32_t, std::string>{{1, "left"}, {0, "right"}}));
    book.Update();
    book.Draw(*g_screen);

    const SpellBookPanel empty(*g_graphicMgr, nullptr);
    EXPECT_EQ(empty.GetSpellMgr(), nullptr);
}

} // namespace
