// Creatures meeting: alerts, dialogues and the dialogue fields of creatures and map objects.
#include "Source/entities/creature_meeting.h"

#include "Library/core/game_mode_id.h"
#include "Library/world/game_mode.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/trigger_entity.h"
#include "entity_fakes.h"

#include <gtest/gtest.h>

namespace {

using testsupport::CallLog;
using testsupport::FakeCreature;

class MeetingTest : public ::testing::Test, protected testsupport::RecordingFakes {
protected:
    MeetingTest() { g_gameMode = &m_mode; }
    ~MeetingTest() override { g_gameMode = nullptr; }

    SoldierEntity* Soldier(const char* name, bool member) {
        auto* soldier =
            static_cast<SoldierEntity*>(m_manager.CreateEntity(0, 0, 0, Entity::kTypeSoldier));
        soldier->SetTemplateName(name);
        if (member)
            soldier->AddFlags(Entity::kFlagPartyMember);
        return soldier;
    }

    GameMode m_mode;
    EntityMgr m_manager;
};

// Talking opens the partner's dialogue with its name and counts the talk, also when there
// is no dialogue to open; the party's own members are not talked to.
TEST_F(MeetingTest, ADialogueOpensWithItsPartnerAndCountsEveryTalk) {
    SoldierEntity* hero = Soldier("hero", true);
    SoldierEntity* farmer = Soldier("farmer", false);
    SoldierEntity* mute = Soldier("mute", false);
    FakeCreature::Of(farmer).dialogueName = "farmer_talk";
    m_log.clear();

    EXPECT_TRUE(StartDialogue(farmer, hero));
    EXPECT_EQ(FakeCreature::Of(farmer).dialogueValue, 1u);
    EXPECT_EQ(m_mode.GetPendingModeId(), kModeDialogue);
    m_mode.ApplyPendingMode();
    EXPECT_STREQ(m_mode.GetCurrentMode().GetName().c_str(), "farmer_talk");
    EXPECT_EQ(m_mode.GetCurrentMode().GetEntity<Entity>(), farmer);
    EXPECT_EQ(m_log, (CallLog{"contact hero", "contact farmer"}));

    EXPECT_FALSE(StartDialogue(mute, hero));
    EXPECT_EQ(FakeCreature::Of(mute).dialogueValue, 1u);
    EXPECT_FALSE(StartDialogue(hero, farmer));
    EXPECT_EQ(FakeCreature::Of(hero).dialogueValue, 0u);
}

// Only a party member wakes a creature's or a map object's scripts.
TEST_F(MeetingTest, AnAlertFromTheGroupWakesTheTargetsScripts) {
    SoldierEntity* hero = Soldier("hero", true);
    SoldierEntity* stranger = Soldier("stranger", false);
    SoldierEntity* guard = Soldier("guard", false);
    Entity* sign = m_manager.CreateEntity(0, 0, 0, Entity::kTypeTrigger);
    m_log.clear();

    EXPECT_FALSE(AlertTargetScripts(stranger, guard));
    EXPECT_TRUE(m_log.empty());
    EXPECT_TRUE(AlertTargetScripts(hero, guard));
    EXPECT_EQ(Count("contact hero"), 1);
    EXPECT_EQ(Count("contact guard"), 1);
    EXPECT_EQ(Count("slot event 20"), SoldierEntity::kEventSlots);
    EXPECT_TRUE(AlertTargetScripts(hero, sign));
    EXPECT_EQ(Count("trigger event 20"), 1);
    EXPECT_FALSE(AlertTargetScripts(hero, m_manager.CreateEntity(0, 0, 0, Entity::kTypeItem)));
}

// A map object's label is written and read as one field, the entry name its dialogue
// starts at.
TEST_F(MeetingTest, TheDialogueLabelIsOneFieldOfCreaturesAndMapObjects) {
    auto* trigger =
        static_cast<TriggerEntity*>(m_manager.CreateEntity(0, 0, 0, Entity::kTypeTrigger));
    Entity* barrel = m_manager.CreateEntity(0, 0, 0, Entity::kTypeBase);
    for (Entity* owner : std::initializer_list<Entity*>{Soldier("guard", false), trigger}) {
        Stringc label;
        ASSERT_TRUE(GetDialogueLabel(owner, label));
        EXPECT_STREQ(label.c_str(), "start");
        ASSERT_TRUE(SetDialogueLabel(owner, "gossip"));
        ASSERT_TRUE(GetDialogueLabel(owner, label));
        EXPECT_STREQ(label.c_str(), "gossip");
    }
    EXPECT_STREQ(trigger->GetMapObject().GetSettings().entryName.c_str(), "gossip");
    Stringc label;
    EXPECT_FALSE(SetDialogueLabel(barrel, "gossip"));
    EXPECT_FALSE(GetDialogueLabel(barrel, label));
    uint32_t value = 9;
    EXPECT_FALSE(GetDialogueValue(barrel, value));
    EXPECT_EQ(value, 9u);
    Entity* merchant = Soldier("merchant", false);
    ASSERT_TRUE(SetCreatureDialogueField(merchant, 0));
    EXPECT_FALSE(FakeCreature::Of(merchant).willTrade);
    EXPECT_FALSE(SetCreatureDialogueField(trigger, 1)) << "a creature's field only";
}

} // namespace
