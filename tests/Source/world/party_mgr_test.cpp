// The party on the meadow: its members and leader, its stored forms and the player's file
// typed from their layouts, placing at entry points, money, experience and the flight.
#include "Library/core/test_stream_support.h"
#include "Library/files/file_stream.h"
#include "Library/graphics/animation_support.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/item_world.h"
#include "Source/creatures/soldier_bytes.h"
#include "Source/entities/container_entity.h"
#include "Source/entities/creature_placement.h"
#include "Source/world/entry_pt_mgr.h"
#include "Source/world/party_mgr.h"
#include "party_fakes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr uint32_t kPlayerSide = 2;
constexpr int kWaitCommand = 1;

class Party : public testsupport::ItemWorld {
protected:
    void SetUp() override {
        ItemWorld::SetUp();
        m_manager.SetParty(&m_party);
    }

    SoldierEntity* Member(const char* name, float x = 10, float y = 10, float hitPoints = 10) {
        SoldierEntity* soldier = Soldier(x, y, kPlayerSide);
        soldier->SetDisplayName(name);
        CreatureData& data = DataOf(soldier);
        data.SetMaxHitPoints(hitPoints);
        data.AddHitPoints(hitPoints);
        return soldier;
    }
    SoldierEntity* Members(int count) {
        SoldierEntity* first = nullptr;
        for (int index = 0; index < count; ++index) {
            SoldierEntity* member = Member(("m" + std::to_string(index)).c_str());
            EXPECT_TRUE(m_party.AddMember(member));
            first = first ? first : member;
        }
        return first;
    }
    int Money(Entity* creature) {
        return static_cast<int>(DataOf(creature).GetInventory().GetBackpack().CountItems());
    }
    int OnMap(Entity* entity) const {
        int count = 0;
        for (int list = 0; list < TileMap::kObjectListCount; ++list)
            for (WorldObject* node = m_map.GetList(static_cast<TileMap::ObjectList>(list));
                 node != nullptr; node = node->GetNext())
                count += node == entity;
        return count;
    }

    EntityMgr* m_entities = &m_manager;
    EntryPtMgr m_entryPoints;
    EntryPtMgr* m_entries = &m_entryPoints;
    testsupport::RecordingMessages m_messages;
    testsupport::RecordingJourneys m_journeys;
    testsupport::RecordingActions m_actions;
    PartyActions* m_actionSlot = &m_actions;
    PartyMgr m_party{
        {m_entities, m_entries, g_playerMessages, g_journeyRequests, m_actionSlot, ""}};
};

TEST_F(Party, TakesSixCreaturesOnceEachAndNeverLosesItsLeader) {
    SoldierEntity* leader = Members(6);
    EXPECT_FALSE(m_party.AddMember(Member("seventh"))) << "a seventh member";
    EXPECT_FALSE(m_party.AddMember(leader)) << "a member twice";
    EXPECT_FALSE(m_party.AddMember(m_manager.CreateEntity(0, 0, 0, Entity::kTypeItem)));
    m_party.RemoveMember(leader);
    EXPECT_EQ(m_party.GetLeader(), leader);
    SoldierEntity* second = m_party.GetSlot(1);
    m_party.RemoveMember(second);
    EXPECT_EQ(m_party.GetCount(), 5);
    EXPECT_FALSE(m_party.IsMember(second));
    EXPECT_NE(m_party.GetSlot(4), nullptr) << "the slots close up";
    EXPECT_EQ(m_party.GetSlot(5), nullptr);
    EXPECT_EQ(m_party.GetSlot(-1), nullptr);
    EXPECT_EQ(m_party.GetSlot(6), nullptr);
    EXPECT_TRUE(m_party.AddMember(second)) << "there is room again";
}

// With no entity manager to ask, a creature cannot be told live or freed: none joins, and
// none is flagged a member, until the manager is back.
TEST_F(Party, TakesNoCreatureWithoutAnEntityManagerToVouchForIt) {
    SoldierEntity* leader = Members(1);
    SoldierEntity* stranger = Member("stranger");
    m_entities = nullptr;
    EXPECT_FALSE(m_party.AddMember(stranger));
    EXPECT_FALSE(m_party.IsMember(stranger));
    EXPECT_FALSE(stranger->HasAnyFlag(Entity::kFlagPartyMember));
    EXPECT_EQ(m_party.GetCount(), 1);
    EXPECT_EQ(m_party.GetLeader(), leader);
    m_entities = &m_manager;
    EXPECT_TRUE(m_party.AddMember(stranger));
}

TEST_F(Party, SharesExperienceToTheNearestWholePoint) {
    struct Case {
        int members;
        uint32_t amount;
        uint32_t each;
    };
    for (const Case& c : {Case{3, 10, 3}, Case{4, 10, 3}, Case{1, 7, 7}, Case{0, 10, 0}}) {
        m_party.Reset();
        SoldierEntity* first = Members(c.members);
        m_party.ShareAmong(c.amount);
        if (first != nullptr) {
            EXPECT_EQ(DataOf(first).GetExperience(), c.each) << c.members << " members";
        }
    }
}

TEST_F(Party, AHitInTheBackTakesUpToAThirdOfTheMostHitPointsWithEnemiesAbout) {
    SoldierEntity* member = Member("Idyl");
    struct Case {
        int roll;
        std::vector<std::string> shown;
    };
    Soldier(40, 40); // a hostile one
    for (const Case& c : {Case{0, {}}, Case{1, {"Idyl was hit in the back for 1 point of damage."}},
                          Case{2, {"Idyl was hit in the back for 2 points of damage."}}}) {
        m_messages.shown.clear();
        DataOf(member).AddHitPoints(10);
        testsupport::ScriptedRandom random({c.roll});
        m_party.HitInBack(*member);
        EXPECT_EQ(random.Ranges().front(), std::make_pair(0, 3));
        EXPECT_FLOAT_EQ(DataOf(member).GetHitPoints(), 10.0f - c.roll);
        EXPECT_EQ(m_messages.shown, c.shown);
    }
    DataOf(member).AddHitPoints(-7);
    testsupport::ScriptedRandom random({2});
    m_party.HitInBack(*member);
    EXPECT_EQ(m_messages.shown.back(), "Idyl is dead!");
}

TEST_F(Party, AFlightEndsOnceEveryLivingMemberIsOffTheMap) {
    SoldierEntity* leader = Members(3);
    SoldierEntity* runner = m_party.GetSlot(1);
    SoldierEntity* fallen = m_party.GetSlot(2);
    DataOf(fallen).AddHitPoints(-100);
    m_party.StartFlee("world", "camp");
    EXPECT_EQ(m_actions.done.size(), 3u) << "each member runs for the edge";
    runner->IssueCommand(kWaitCommand, 60.0f);
    for (SoldierEntity* member : {leader, runner, fallen})
        member->AddFlags(Entity::kFlagNeverSaved);

    testsupport::ScriptedRandom random({1});
    m_party.UpdateFlee();
    EXPECT_TRUE(m_party.IsFleeing()) << "one still runs";
    EXPECT_EQ(leader->GetPosition(), Vector(1000000, -1000000, 0));
    EXPECT_EQ(m_manager.GetCombatCountdown(), EntityMgr::kCombatTicks);

    runner->ClearCommand();
    random.Give({2});
    m_party.UpdateFlee();
    EXPECT_FALSE(m_party.IsFleeing());
    EXPECT_EQ(runner->GetPosition(), Vector(1000000, 1000000, 0));
    // The corner is drawn from 0 to 3, its upper bound left out: the fourth is never taken.
    EXPECT_EQ(random.Ranges().back(), std::make_pair(0, 3));
    EXPECT_EQ(m_journeys.asked, std::vector<std::string>{"temporary to world world camp"});
    for (SoldierEntity* member : {leader, runner, fallen})
        EXPECT_FALSE(member->HasAnyFlag(Entity::kFlagNeverSaved));
}

// A fleeing member that cannot be taken off the map, its manager having none to take it
// from, is not sent off: it stays on the map where it stood.
TEST_F(Party, AFleeingMemberThatCannotBeTakenOffTheMapStaysWhereItStood) {
    SoldierEntity* leader = Members(1);
    const Vector stood = leader->GetPosition();
    ASSERT_TRUE(AddEntityToMap(*leader, stood));
    m_party.StartFlee("world", "camp");
    m_manager.SetTileMap(nullptr);
    testsupport::ScriptedRandom random; // no corner drawn
    m_party.UpdateFlee();
    m_manager.SetTileMap(&m_map);
    EXPECT_EQ(leader->GetPosition(), stood);
    EXPECT_EQ(OnMap(leader), 1);
}

TEST_F(Party, IsPlacedAtItsNamedEntryOrTheDefaultAndOnTheMapOnce) {
    m_entryPoints.SetDefault(Vector(30.5f, 30.5f, 0), 6);
    EntryPt& gate = m_entryPoints.Add(Vector(10.5f, 12.5f, 0));
    gate.name = "gate";
    gate.facing = 2;
    SoldierEntity* leader = Members(3);
    for (const char* name : {"GATE", "nowhere"}) {
        ASSERT_TRUE(m_party.PlaceAtEntryPointNamed(name)) << name;
        const bool named = std::string(name) == "GATE";
        EXPECT_EQ(leader->GetPosition(), named ? gate.position : Vector(30.5f, 30.5f, 0));
        for (int slot = 0; slot < 3; ++slot) {
            SoldierEntity* member = m_party.GetSlot(slot);
            EXPECT_EQ(OnMap(member), 1) << name;
            EXPECT_LT((member->GetPosition() - leader->GetPosition()).LengthSquared(), 16.0f);
            if (slot > 0) {
                EXPECT_NE(member->GetPosition(), leader->GetPosition());
            }
        }
    }
    ASSERT_TRUE(m_party.PlaceLeaderAtEntryPoint("gate"));
    EXPECT_TRUE(m_party.IsOnWorldMap());
    EXPECT_EQ(leader->GetPosition(), gate.position);
    EXPECT_EQ(OnMap(leader), 1);
}

// A loaded member keeps its stored place on the map; one stored off it goes onto the map.
TEST_F(Party, AMemberStoredOffTheMapIsPlacedOnIt) {
    SoldierEntity* leader = Members(2);
    SoldierEntity* other = m_party.GetSlot(1);
    for (SoldierEntity* member : {leader, other})
        RemoveEntityFromMap(*member);
    leader->SetPosition(Vector(500.0f, -20.0f, 0));
    other->SetPosition(Vector(12.5f, 12.5f, 0));
    ASSERT_TRUE(m_party.PlaceOnMap());
    const Vector at = leader->GetPosition();
    EXPECT_TRUE(at.x >= 0 && at.x < m_map.GetWidth() && at.y >= 0 && at.y < m_map.GetHeight())
        << at.x << ", " << at.y;
    EXPECT_EQ(other->GetPosition(), Vector(12.5f, 12.5f, 0));
    EXPECT_EQ(OnMap(leader), 1);
    EXPECT_EQ(OnMap(other), 1);
}

// A spot near a centre is sought on rings from the far distance in to the near one, each
// beyond the creature's size; the nearest ring with room wins. With no room anywhere on
// them there is none.
TEST_F(Party, ASpotNearAPointLiesOnTheNearestRingWithRoom) {
    SoldierEntity* leader = Members(1);
    leader->SetRadius(0.5f, 0);
    const Vector centre(20.5f, 20.5f, 0);
    Vector spot;
    ASSERT_TRUE(m_party.FindSpotNear(*leader, centre, spot));
    const float distance = (spot - centre).Length();
    EXPECT_GT(distance, 4.5f - 1.0f) << spot.x << ", " << spot.y;
    EXPECT_LT(distance, 4.5f + 1.0f) << spot.x << ", " << spot.y;
    EXPECT_TRUE(m_map.IsWalkableAt(spot));

    for (int y = 10; y < 31; ++y)
        for (int x = 10; x < 31; ++x)
            m_map.SetWalkable(x, y, false);
    spot = centre;
    EXPECT_FALSE(m_party.FindSpotNear(*leader, centre, spot));
    EXPECT_EQ(spot, centre);
}

TEST_F(Party, MoneyMovesOnlyWhenTheWholeAmountIsThere) {
    Define(PartyMgr::kMoneyItem, ItemEntity::kClassMoney,
           [](ItemEntity& item) { item.SetStackLimit(1000); });
    SoldierEntity* leader = Members(1);
    SoldierEntity* trader = Member("trader", 20, 20);
    ASSERT_TRUE(m_party.AddMoney(50));
    EXPECT_EQ(m_party.QueryLeaderStats(), 50);
    EXPECT_FALSE(m_party.GiveMoneyTo(trader, 60));
    EXPECT_FALSE(m_party.GiveMoneyTo(trader, 0));
    EXPECT_EQ(Money(leader) * 1000 + Money(trader), 50000);
    EXPECT_TRUE(m_party.GiveMoneyTo(trader, 30));
    EXPECT_EQ(Money(leader) * 1000 + Money(trader), 20030);
    EXPECT_FALSE(m_party.TakeMoneyFrom(trader, 31));
    EXPECT_TRUE(m_party.TakeMoneyFrom(trader, 30));
    EXPECT_EQ(Money(leader) * 1000 + Money(trader), 50000);
    // The leader on both sides: the money leaves and comes back, none lost, none made.
    EXPECT_TRUE(m_party.GiveMoneyTo(leader, 20));
    EXPECT_TRUE(m_party.TakeMoneyFrom(leader, 50));
    EXPECT_FALSE(m_party.GiveMoneyTo(leader, 51));
    EXPECT_EQ(Money(leader), 50);

    // A newcomer's purse goes to the leader.
    SoldierEntity* newcomer = Member("newcomer", 25, 25);
    ItemEntity* purse = Make(PartyMgr::kMoneyItem, 7);
    ItemEntity* held = nullptr;
    ASSERT_TRUE(DataOf(newcomer).GetInventory().AddItem(purse, held));
    ASSERT_TRUE(m_party.AddMember(newcomer));
    EXPECT_EQ(Money(leader) * 1000 + Money(newcomer), 57000);
}

// The stored forms over a soldier read from its typed record.
class PartyRecord : public testsupport::SoldierRecords {
protected:
    Bytes Party(int count) const {
        TypedBytes typed;
        typed.I32(count);
        Bytes bytes = typed.Get();
        for (int member = 0; member < count; ++member) {
            const Bytes soldier = testsupport::TypedSoldier(Entity::kFlagPartyMember).bytes.Get();
            bytes.insert(bytes.end(), soldier.begin(), soldier.end());
        }
        return bytes;
    }
    int LiveSoldiers() const {
        int live = 0;
        for (int slot = 0; slot < m_manager.GetSlotCount(Entity::kTypeSoldier); ++slot)
            live += m_manager.IsSlotUsed(Entity::kTypeSoldier, slot);
        return live;
    }
    Bytes PlayerFile() const {
        const std::string bytes = m_root.ReadFile("SaveGame/player.dat");
        return Bytes(bytes.begin(), bytes.end());
    }

    EntityMgr m_manager;
    EntityMgr* m_entities = &m_manager;
    EntryPtMgr* m_entryPoints = nullptr;
    PartyMgr m_party{{m_entities, m_entryPoints, g_playerMessages, g_journeyRequests,
                      g_partyActions, Stringc(m_root.Root().c_str()) + "/SaveGame/player.dat"}};
};

TEST_F(PartyRecord, TheSavedPartyIsACountAndItsMembersRecords) {
    testsupport::ScriptedRandom random({0, 0});
    for (int count : {0, 2}) {
        const Bytes bytes = Party(count);
        ASSERT_TRUE(LoadFrom(m_party, bytes)) << count;
        EXPECT_EQ(m_party.GetCount(), count);
        EXPECT_EQ(SavedForm(m_party), bytes);
    }
    EXPECT_TRUE(m_party.GetLeaderSoldier()->HasAnyFlag(Entity::kFlagPartyMember));
}

TEST_F(PartyRecord, ACountOutOfRangeOrARecordCutShortLeavesNoSoldierBehind) {
    testsupport::ScriptedRandom random({0, 0, 0});
    m_party.ReleaseAll();
    const Bytes two = Party(2);
    for (const Bytes& bytes : {Party(7), TypedBytes().I32(-1).Get(), Cut(two, 40)}) {
        EXPECT_FALSE(LoadFrom(m_party, bytes));
        EXPECT_EQ(m_party.GetCount(), 0);
        EXPECT_EQ(LiveSoldiers(), 0);
    }
}

TEST_F(PartyRecord, ThePlayersFileIsTheLeadersRecordAlone) {
    const Bytes bytes = testsupport::TypedSoldier(Entity::kFlagPartyMember).bytes.Get();
    m_root.WriteFile("SaveGame/player.dat", std::string(bytes.begin(), bytes.end()));
    testsupport::ScriptedRandom random({0});
    ASSERT_TRUE(m_party.LoadPlayer());
    EXPECT_EQ(m_party.GetCount(), 1);
    m_root.WriteFile("SaveGame/player.dat", "");
    ASSERT_TRUE(m_party.SavePlayer());
    EXPECT_EQ(PlayerFile(), bytes);

    m_root.WriteFile("SaveGame/player.dat", std::string(bytes.begin(), bytes.begin() + 100));
    EXPECT_FALSE(m_party.LoadPlayer());
    EXPECT_EQ(m_party.GetCount(), 0);
    EXPECT_EQ(LiveSoldiers(), 1) << "only the one read before";
}

} // namespace
