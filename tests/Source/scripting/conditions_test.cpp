#include "Source/creatures/creature_inventory.h"
#include "Source/entities/item_entity.h"
#include "Source/scripting/dialogue_lines.h"
#include "Source/scripting/script_world.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

using namespace testsupport;

namespace {

class Conditions : public ScriptWorld {
protected:
    void SetUp() override {
        ScriptWorld::SetUp();
        g_entityMgr = &m_manager;
        m_owner = Named("owner", 10, 10);
        m_troll = Named("troll", 12, 10);
        m_machine.emplace(m_owner);
    }
    void TearDown() override { g_entityMgr = nullptr; }

    // The condition's answer to the owner's machine, or to the one given.
    template <class... Arguments> int Ask(int number, const Arguments&... arguments) {
        return AskOf(*m_machine, number, arguments...);
    }
    template <class... Arguments>
    static int AskOf(GameVirtualMachine& machine, int number, const Arguments&... arguments) {
        auto record = ScriptBuilder::Header(kNativeCondition, number, arguments...);
        return machine.CallAction(record);
    }

    SoldierEntity* m_owner = nullptr;
    SoldierEntity* m_troll = nullptr;
    std::optional<GameVirtualMachine> m_machine;
    GameVirtualMachine m_unowned;
    const EntityRef m_trollRef = Pattern("troll");
};

TEST_F(Conditions, EveryNumberAnswersShortAndFullCallsWithoutHarm) {
    const std::vector<int> needNothing = {1, 32, 34, 56, 57, 68};
    for (GameVirtualMachine* machine : {&*m_machine, &m_unowned})
        for (int number = -5; number <= 600; ++number) {
            SCOPED_TRACE(number);
            const bool free = std::count(needNothing.begin(), needNothing.end(), number) > 0;
            EXPECT_EQ(AskOf(*machine, number) & ~int(free), 0);
            const int full = AskOf(*machine, number, m_trollRef, m_trollRef, 1, 90, 3, "troll", "x",
                                   "y", Vector(1, 2, 0));
            EXPECT_EQ(full & ~int(number >= 1 && number <= 71), 0);
        }
}

TEST_F(Conditions, AnswerWhatTheyAskOfTheEntitiesNamed) {
    CreatureData& troll = DataOf(m_troll);
    troll.SetMaxHitPoints(50);
    troll.AddHitPoints(20); // 40 percent
    Define("sword", ItemEntity::kClassWeapon);
    ItemEntity* held = nullptr;
    ASSERT_TRUE(troll.GetInventory().AddItem(Make("sword"), held));
    ASSERT_TRUE(troll.GetInventory().AddToSlot(held, 1, CreatureInventory::kFirstHand, held));
    const struct {
        const char* what;
        int answer;
        int expected;
    } cases[] = {
        {"touching circles do not overlap", Ask(2, 1, m_trollRef), 0},
        {"nor lie apart", Ask(3, 1, m_trollRef), 0},
        {"overlap within the margin", Ask(2, 1.5, m_trollRef), 1},
        {"apart beyond it", Ask(3, 0.5, m_trollRef), 1},
        {"40 percent by its bits", Ask(7, m_trollRef, 4294967296.0 + 40), 1},
        {"below 41 percent", Ask(8, m_trollRef, 41), 1},
        {"carries it, extension ignored", Ask(29, m_trollRef, "Sword.dat"), 1},
        {"in its first hand", Ask(53, m_trollRef, CreatureInventory::kFirstHand, "sword"), 1},
        {"empty hands", Ask(56), 1},
        {"hold no empty item", Ask(32), 0},
        {"sees the troll", Ask(37, m_trollRef, 1), 1},
        {"never two of it", Ask(37, m_trollRef, 2), 0},
        {"fewer than two", Ask(38, m_trollRef, 2), 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.answer, c.expected) << c.what;
}

TEST_F(Conditions, ChanceDrawsRunFromOneToBelowTheirBound) {
    int always = 0, never = 0;
    for (int draw = 0; draw < 200; ++draw) {
        always += Ask(49, 2, 1) + Ask(50, 2, 0);
        never += Ask(51, 2, 1);
    }
    EXPECT_EQ(always, 400);
    EXPECT_EQ(never, 0);
}

TEST_F(Conditions, ACreatureIsIdleWithoutACommandOrAWait) {
    EXPECT_EQ(Ask(1), 1);
    BehaviourOf(m_owner).status = CreatureCommands::kStatusRunning;
    EXPECT_EQ(Ask(1), 0) << "a command runs";
    BehaviourOf(m_owner).status = 0;
    DataOf(m_owner).AddTimer(1.0f, true);
    EXPECT_EQ(Ask(1), 0) << "the action timer runs";

    EXPECT_EQ(AskOf(m_unowned, 1), 1) << "no owner, no action";
}

// The owner faces up the screen: behind it is down.
TEST_F(Conditions, AnEntityStandsBehindACreatureInTheSectorOppositeItsFacing) {
    const struct {
        const char* what;
        Vector at;
        int facing;
        int expected;
    } cases[] = {
        {"straight behind", Vector(10, 13, 0), 0, 1},
        {"at the sector's edge", Vector(10, 15, 0), 0, 1},
        {"beyond it", Vector(10, 15.1f, 0), 0, 0},
        {"outside the width", Vector(13, 11, 0), 0, 0},
        {"facing away", Vector(10, 13, 0), 4, 0},
    };
    for (const auto& c : cases) {
        m_troll->SetPosition(c.at);
        m_troll->SetDirection(c.facing);
        EXPECT_EQ(Ask(70, m_trollRef, Pattern("owner"), 5, 90), c.expected) << c.what;
    }
    m_manager.CreateEntity(10, 7, 0, Entity::kTypeItem)->GetRef().SetName("rock");
    EXPECT_EQ(Ask(70, m_trollRef, Pattern("rock"), 5, 360), 0) << "only a creature has a back";
}

TEST_F(Conditions, ThePartyIsEmptyUntilTheGameHasOne) {
    EXPECT_EQ(Ask(22, 0) + Ask(23, -1) + Ask(24, 1) + Ask(26, 0) + Ask(27, -1) + Ask(28, 1), 6);
    EXPECT_EQ(Ask(25, "ann") + Ask(30, "key") + Ask(31, "key"), 0);
}

class FakeDialogue : public DialogueLines {
public:
    void AddStatement(const Stringc& text) override { lines.push_back(text.c_str()); }
    bool AddResponseAndTest(const Stringc& text) override {
        lines.push_back(std::string("> ") + text.c_str());
        return text == "yes";
    }
    bool IsTradeRequested() const override { return closed; }

    std::vector<std::string> lines;
    bool closed = false;
};

TEST_F(Conditions, DialogueLinesReachOnlyAnOpenDialogueScreen) {
    FakeDialogue dialogue;
    SetDialogueLines(&dialogue);
    DataOf(m_owner).SetDialogueStartLabel("greet");
    EXPECT_EQ(Ask(54, "Hello") + Ask(55, "yes") + Ask(42, "greet"), 0);
    EXPECT_TRUE(dialogue.lines.empty()) << "nothing added outside the dialogue screen";

    EnterMode(kModeDialogue);
    EXPECT_EQ(Ask(54, "Hello"), 1);
    EXPECT_EQ(Ask(55, "no"), 0);
    EXPECT_EQ(Ask(55, "yes"), 1);
    EXPECT_EQ(Ask(42, "GREET"), 1);
    EXPECT_EQ(dialogue.lines, (std::vector<std::string>{"Hello", "> no", "> yes"}));
    dialogue.closed = true;
    EXPECT_EQ(Ask(42, "greet"), 0);
    SetDialogueLines(nullptr);
}

} // namespace
