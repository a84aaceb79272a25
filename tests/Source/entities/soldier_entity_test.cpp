// Soldiers among fakes of their creature, scripts, party and map objects: hits and death,
// the walk's last frames, triggers underfoot, use, and restoring a saved state.
#include "Source/entities/soldier_entity.h"

#include "Library/core/game_mode_id.h"
#include "Library/core/test_stream_support.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map_support.h"
#include "Library/world/vehicle.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/speech_bubble.h"
#include "Source/entities/trigger_entity.h"
#include "entity_fakes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using testsupport::CallLog;
using testsupport::FakeCreature;

constexpr uint32_t kGround[3] = {0x00000002, 0x00000100, 0};
constexpr uint32_t kPlayer = 2;
constexpr uint32_t kHostile = 200;
constexpr uint32_t kFrameMs = 33;

class SoldierTest : public testsupport::MapDataRoot, protected testsupport::RecordingFakes {
protected:
    void SetUp() override { ASSERT_TRUE(ReadBytes(testsupport::MapBytes(32, 32, kGround))); }

    SoldierEntity* Soldier(float x, float y, uint32_t side = kHostile, const char* name = "orc") {
        auto* soldier =
            static_cast<SoldierEntity*>(m_manager.CreateEntity(0, 0, 0, Entity::kTypeSoldier));
        soldier->SetTemplateName(name);
        soldier->GetRef().Set(side, 1, 0, 0, 0, 0, 0);
        soldier->SetRadius(0.5f, 0);
        EXPECT_TRUE(AddEntityToMap(*soldier, Vector(x, y, 0)));
        return soldier;
    }

    testsupport::FakeParty m_party;
    EntityMgr m_manager{&m_map, &m_party};
};

// Only the hit that takes the creature from above 0 hit points to 0 shares its experience;
// the second, landing before the death is seen to, still takes its damage but queues and
// shares nothing, and the creature dies once.
TEST_F(SoldierTest, TwoLethalHitsInOneFrameShareOnceAndKillOnce) {
    SoldierEntity* orc = Soldier(5.5f, 5.5f);
    SoldierEntity* hero = Soldier(7.5f, 5.5f, kPlayer, "hero");
    m_party.members = {hero};
    FakeCreature::Of(orc).hitPoints = 5.0f;
    FakeCreature::Of(orc).experience = 50;

    orc->OnEvent(SoldierEntity::kEventHit, 6, 1, hero);
    orc->OnEvent(SoldierEntity::kEventHit, 6, 1, hero);
    EXPECT_FLOAT_EQ(FakeCreature::Of(orc).hitPoints, 0.0f);
    EXPECT_EQ(orc->CountEvents(), 1);
    EXPECT_EQ(m_party.shared, (std::vector<uint32_t>{50}));
    EXPECT_EQ(Count("damaged by hero"), 2);
    EXPECT_EQ(Count("blood"), 2);

    for (int frame = 0; frame < 3; ++frame)
        m_manager.Update(kFrameMs);
    EXPECT_TRUE(orc->IsDead());
    EXPECT_FALSE(orc->IsAlive());
    EXPECT_TRUE(orc->IsInState(SoldierEntity::kStateDead));
    EXPECT_EQ(Count("slot event 18 5"), 1);    // the creature died, told once
    EXPECT_EQ(Count("region event 5 orc"), 1); // and everybody told of it once
    EXPECT_EQ(Count("slot event 4"), SoldierEntity::kEventSlots);
    EXPECT_EQ(m_map.GetList(TileMap::kExtraList), orc);

    orc->OnEvent(SoldierEntity::kEventHit, 6, 1, hero); // the dead take no hits
    EXPECT_EQ(orc->CountEvents(), 0);
    EXPECT_EQ(m_party.shared.size(), 1u);
}

// A slot's machine with nothing to do but count its timer is left alone until the timer may
// be due or anything else asks for it, and then first given the frames it missed, at once.
TEST_F(SoldierTest, AQuietMachineGetsTheFramesItMissedBeforeAnythingElseReachesIt) {
    SoldierEntity* orc = Soldier(5.5f, 5.5f);
    auto& quiet = static_cast<testsupport::RecordingScript&>(orc->GetScriptSlot(2));
    quiet.name = "quiet";
    quiet.quietMs = 100;
    const auto frames = [&](int count) {
        m_log.clear();
        for (int frame = 0; frame < count; ++frame)
            m_manager.Update(kFrameMs);
        CallLog seen;
        std::copy_if(m_log.begin(), m_log.end(), std::back_inserter(seen),
                     [](const std::string& entry) { return entry.rfind("quiet ", 0) == 0; });
        return seen;
    };
    // Updated, then three frames held (99 of the 100 ms), then due.
    EXPECT_EQ(frames(5), (CallLog{"quiet update", "quiet counted 99", "quiet update"}));
    EXPECT_EQ(frames(1), CallLog{});
    m_log.clear();
    orc->GetScriptSlot(2).PostNumberEvent(7);
    EXPECT_EQ(m_log, (CallLog{"quiet counted 33", "quiet event 18 7"}));
    EXPECT_EQ(frames(1), CallLog{"quiet update"}) << "asked for, it is updated again";

    // Behind a busy slot, a quiet machine has nothing to clear; the others are cleared.
    static_cast<testsupport::RecordingScript&>(orc->GetScriptSlot(0)).busy = true;
    m_log.clear();
    m_manager.Update(kFrameMs);
    EXPECT_EQ(Count("quiet clear actions"), 0);
    EXPECT_EQ(Count("slot clear actions"), 3);
    EXPECT_EQ(frames(1), CallLog{}) << "nor is it counted while the first slot is busy";
    static_cast<testsupport::RecordingScript&>(orc->GetScriptSlot(0)).busy = false;
    EXPECT_EQ(frames(4), (CallLog{"quiet counted 99", "quiet update"}));
}

TEST_F(SoldierTest, AnIdleWalkerShowsItsWalkForTwoMoreFrames) {
    SoldierEntity* walker = Soldier(5.5f, 5.5f);
    walker->SetState(SoldierEntity::kStateWalking);
    std::vector<int> states;
    for (int frame = 0; frame < 4; ++frame) {
        walker->Update(kFrameMs);
        states.push_back(walker->GetState());
    }
    EXPECT_EQ(states, (std::vector<int>{3, 3, 2, 2}));
}

// The first touch after a placement fires nothing; the exit asks for the journey when the
// member comes back onto it, once however long it stays, and never for a creature outside
// the party.
TEST_F(SoldierTest, ATriggerFiresForAMemberThatComesBackOntoIt) {
    testsupport::RecordingJourneys journeys;
    auto* exit = static_cast<TriggerEntity*>(m_manager.CreateEntity(0, 0, 0, Entity::kTypeTrigger));
    exit->GetMapObject().SetKind(kMapObjectTravel);
    exit->GetMapObject().EditSettings().targetMap = "north";
    testsupport::SetSquareZone(exit->GetMapObject(), Vector(5.5f, 5.5f, 0), 1.0f);
    SoldierEntity* member = Soldier(5.5f, 5.5f, kPlayer);
    member->AddFlags(Entity::kFlagPartyMember);
    SoldierEntity* guest = Soldier(5.0f, 5.0f, kPlayer);
    const auto step = [&](const Vector& to) {
        member->SetPosition(to);
        guest->SetPosition(to);
        m_manager.Update(kFrameMs);
        return static_cast<int>(journeys.asked.size());
    };
    EXPECT_EQ(step(Vector(5.5f, 5.5f, 0)), 0);
    EXPECT_EQ(step(Vector(5.2f, 5.5f, 0)), 0);
    EXPECT_EQ(step(Vector(12.5f, 5.5f, 0)), 0);
    EXPECT_EQ(member->GetLastTouchedMapObject(), nullptr);
    EXPECT_EQ(step(Vector(5.5f, 5.5f, 0)), 1);
    EXPECT_EQ(step(Vector(5.5f, 5.8f, 0)), 1);
}

// Logs "<kind> <argument> <second> <user's name>" for each event.
class UsedEntity : public Entity {
public:
    void OnEvent(int kind, EventArg p1, EventArg p2, EventArg p3) override {
        used.push_back(std::to_string(kind) + " " + std::to_string(p1.AsInt()) + " " +
                       std::to_string(p2.AsInt()) + " " + p3.AsEntity()->GetTemplateName().c_str());
    }
    CallLog used;
};

// A door or chest gets the use event; a creature opens the user's inventory beside it;
// anything changing state is refused.
TEST_F(SoldierTest, UsingAnEntityWaitsForItsChangeAndOpensACreaturesInventory) {
    GameMode mode;
    g_gameMode = &mode;
    SoldierEntity* user = Soldier(5.5f, 5.5f, kPlayer, "hero");
    SoldierEntity* other = Soldier(6.5f, 5.5f, kPlayer);
    UsedEntity door;
    door.AddFlags(Entity::kFlagChanging);
    EXPECT_FALSE(user->UseEntity(&door, 7));
    EXPECT_TRUE(door.used.empty());
    door.RemoveFlags(Entity::kFlagChanging);
    EXPECT_TRUE(user->UseEntity(&door, 7));
    EXPECT_EQ(door.used, (CallLog{"16 7 0 hero"}));
    EXPECT_TRUE(user->UseEntity(other, 7));
    EXPECT_EQ(mode.GetPendingModeId(), kModeChosenInventory);
    g_gameMode = nullptr;
}

// On the idle script's half-second beat, enemies coming into sight tell the event slot,
// unless a fight is already under way; while they stay in sight, nothing more is told.
TEST_F(SoldierTest, EnemiesComingIntoSightAreToldOnTheIdleBeatOutsideAFight) {
    SoldierEntity* hero = Soldier(5.5f, 5.5f, kPlayer, "hero");
    SoldierEntity* orc = Soldier(40.5f, 5.5f);
    auto& idle = dynamic_cast<testsupport::RecordingScript&>(hero->GetScriptSlot(4));
    const auto told = [&](const Vector& orcAt) {
        orc->SetPosition(orcAt);
        m_log.clear();
        hero->Update(kFrameMs);
        return Count("slot event 18 1");
    };
    const Vector near(8.5f, 5.5f, 0);
    EXPECT_EQ(told(near), 0) << "off the beat";
    idle.fired = true;
    EXPECT_EQ(told(Vector(40.5f, 5.5f, 0)), 0) << "out of sight";
    EXPECT_EQ(told(near), 1);
    EXPECT_EQ(told(near), 0) << "still in sight";
    EXPECT_EQ(told(Vector(40.5f, 5.5f, 0)), 0);
    m_manager.StartCombatCountdown();
    m_manager.UpdateCombatFlag();
    EXPECT_EQ(told(near), 0) << "a fight goes on";
    EXPECT_EQ(told(Vector(40.5f, 5.5f, 0)), 0);
    m_manager.StopCombatCountdown();
    m_manager.UpdateCombatFlag();
    EXPECT_EQ(told(near), 1);
}

// Whatever a frame runs, a line of speech ages by the frame's time once.
TEST_F(SoldierTest, ASpeechBubbleAgesOnceAFrame) {
    struct AgeingBubble : SpeechBubble {
        void Update(double frameSeconds) override { seconds.push_back(frameSeconds); }
        std::vector<double> seconds;
    };
    struct Factory : testsupport::FakeCreatureFactory {
        std::unique_ptr<SpeechBubble> CreateBubble(SoldierEntity&) const override {
            auto bubble = std::make_unique<AgeingBubble>();
            made = bubble.get();
            return bubble;
        }
        mutable AgeingBubble* made = nullptr;
    } factory;
    SoldierEntity* speaker = Soldier(5.5f, 5.5f);
    ASSERT_NE(factory.made, nullptr);
    speaker->Update(kFrameMs);
    EXPECT_EQ(factory.made->seconds, std::vector<double>{0.033});
}

// A record loads its creature standing, or in its saved state chosen afresh; one without
// hit points lies dead, dying anew only when its record says it was still alive; a script
// that cannot be loaded fails the load.
TEST_F(SoldierTest, ASavedStateComesBackByHitPointsAndTheAliveBit) {
    struct Case {
        const char* name;
        int savedState;
        bool alive;
        float hitPoints;
        bool loads;
        int state;
        int deaths;
    };
    const Case cases[] = {
        {"standing", SoldierEntity::kStateNone, true, 10, true, SoldierEntity::kStateStanding, 0},
        {"attacking", SoldierEntity::kStateAttacking, true, 10, true,
         SoldierEntity::kStateAttacking, 0},
        {"saved dying", SoldierEntity::kStateDying, false, 0, true, SoldierEntity::kStateDead, 0},
        {"no hit points left", SoldierEntity::kStateStanding, true, 0, true,
         SoldierEntity::kStateDead, 1},
        {"a missing script", SoldierEntity::kStateNone, true, 10, false, 0, 0},
    };
    for (const Case& c : cases) {
        SoldierEntity* saved = Soldier(5.5f, 5.5f);
        saved->SetState(c.savedState);
        if (!c.alive)
            saved->RemoveFlags(Entity::kFlagAlive);
        const Bytes bytes = SavedForm(*saved);
        SoldierEntity* loaded = Soldier(8.5f, 8.5f);
        FakeCreature::Of(loaded).hitPoints = c.hitPoints;
        FakeCreature::Of(loaded).scripts[0] = "guard";
        dynamic_cast<testsupport::RecordingScript&>(loaded->GetScriptSlot(0)).loads = c.loads;
        m_log.clear();
        EXPECT_EQ(LoadFrom(*loaded, bytes), c.loads) << c.name;
        if (c.loads) {
            EXPECT_EQ(loaded->GetState(), c.state) << c.name;
        }
        EXPECT_EQ(Count("slot event 4"), c.deaths * SoldierEntity::kEventSlots) << c.name;
    }
}

// A soldier saved in the frame its hit points ran out, its death queued but not yet shown,
// loads dead without dying again, and that record then comes back the same.
TEST_F(SoldierTest, ASoldierSavedInTheFrameItDiedLoadsDeadAndThenHolds) {
    SoldierEntity* orc = Soldier(5.5f, 5.5f);
    m_manager.Update(kFrameMs);
    FakeCreature::Of(orc).hitPoints = 0.0f;
    m_manager.Update(kFrameMs);
    ASSERT_FALSE(orc->IsAlive());
    ASSERT_TRUE(orc->IsInState(SoldierEntity::kStateStanding));

    const Bytes dying = SavedForm(*orc);
    SoldierEntity* loaded = Soldier(8.5f, 8.5f);
    FakeCreature::Of(loaded).hitPoints = 0.0f;
    m_log.clear();
    ASSERT_TRUE(LoadFrom(*loaded, dying));
    EXPECT_TRUE(loaded->IsInState(SoldierEntity::kStateDead));
    EXPECT_EQ(Count("slot event 4"), 0); // its death was seen to before the save

    const Bytes dead = SavedForm(*loaded);
    SoldierEntity* reloaded = Soldier(11.5f, 8.5f);
    FakeCreature::Of(reloaded).hitPoints = 0.0f;
    ASSERT_TRUE(LoadFrom(*reloaded, dead));
    EXPECT_EQ(SavedForm(*reloaded), dead);
}

// A place far beyond the map reaches the frame's cell tests as a cell off the map, not as a
// conversion out of an int's range.
TEST_F(SoldierTest, ASoldierFarBeyondTheMapStillRunsItsFrame) {
    SoldierEntity* lost = Soldier(5.5f, 5.5f);
    lost->SetPosition(Vector(3.0e9f, -1.0e20f, 0.0f));
    lost->Update(kFrameMs);
    EXPECT_TRUE(lost->IsAlive());
}

// A step of exactly four and a half cells along a row or down a column, from the middle of
// a cell to the last one's middle, is taken; from half a cell further on it lands on the
// map's far edge, one past its cells, and is refused, as is a step toward no place. The
// steps are set here (the speed as it is after a frame's coasting), as no walk's frames and
// forces land on the edge exactly.
TEST_F(SoldierTest, AStepLandingExactlyOnTheMapsFarEdgeOrNowhereIsRefused) {
    const auto step = [&](const Vector& from, const Vector& direction) {
        SoldierEntity* walker = Soldier(from.x, from.y);
        EXPECT_NE(walker->GetVehicle(), nullptr);
        if (walker->GetVehicle() == nullptr)
            return from;
        walker->GetVehicle()->SetVelocity(direction * 10.0f);
        walker->Update(500); // nine cells a second for half of one
        const Vector at = walker->GetPosition();
        m_manager.ReleaseEntity(walker);
        return at;
    };
    EXPECT_EQ(step(Vector(27.0f, 5.5f, 0), Vector(1, 0, 0)), Vector(31.5f, 5.5f, 0));
    EXPECT_EQ(step(Vector(27.5f, 5.5f, 0), Vector(1, 0, 0)), Vector(27.5f, 5.5f, 0));
    EXPECT_EQ(step(Vector(5.5f, 27.0f, 0), Vector(0, 1, 0)), Vector(5.5f, 31.5f, 0));
    EXPECT_EQ(step(Vector(5.5f, 27.5f, 0), Vector(0, 1, 0)), Vector(5.5f, 27.5f, 0));
    EXPECT_EQ(step(Vector(5.5f, 5.5f, 0), Vector(std::nanf(""), 0, 0)), Vector(5.5f, 5.5f, 0));
}

} // namespace
