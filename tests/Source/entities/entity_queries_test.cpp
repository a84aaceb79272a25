// Selecting, filtering and picking entities.
#include "Source/entities/entity_queries.h"

#include "Source/entities/entity_filters.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/entity_pickers.h"
#include "Source/entities/sight_tests.h"
#include "Source/entities/soldier_entity.h"
#include "entity_fakes.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

using testsupport::FakeCreature;

constexpr uint32_t kPlayer = 2;
constexpr uint32_t kNeutral = 100;
constexpr uint32_t kHostile = 200;
constexpr uint32_t kAway = 4;

class QueryTest : public ::testing::Test {
protected:
    SoldierEntity* Soldier(float x, float y, uint32_t side, uint32_t lifeState = 1,
                           int strength = 10, int health = 100) {
        auto* soldier =
            static_cast<SoldierEntity*>(m_manager.CreateEntity(x, y, 0, Entity::kTypeSoldier));
        soldier->GetRef().Set(side, lifeState, 0, 0, 0, 0, 0);
        soldier->SetRadius(0.5f, 0);
        m_creatures.emplace_back(strength, health);
        soldier->AttachCreature(&m_creatures.back());
        return soldier;
    }
    const EntityPtrList& Pool(int type) {
        EntityPtrList* list = nullptr;
        EXPECT_TRUE(m_manager.GetPool(type, list));
        return *list;
    }

    EntityMgr m_manager;
    std::deque<FakeCreature> m_creatures;
};

TEST_F(QueryTest, TiesGoToTheLowestSlotButTheFarthestToTheHighest) {
    Entity* a = Soldier(3, 0, kHostile, 1, 20, 50);
    Entity* b = Soldier(-3, 0, kHostile, 1, 20, 50);
    Entity* c = Soldier(0, 1, kHostile, 1, 5, 80);
    struct Case {
        const char* picker;
        bool (*pick)(const EntityPtrList&, Entity*&);
        Entity* expected;
    };
    for (const Case& test :
         {Case{"strongest", PickStrongest, a}, Case{"weakest", PickWeakest, c},
          Case{"healthiest", PickHealthiest, c}, Case{"most wounded", PickMostWounded, a}}) {
        Entity* out = nullptr;
        ASSERT_TRUE(test.pick(Pool(Entity::kTypeSoldier), out)) << test.picker;
        EXPECT_EQ(out, test.expected) << test.picker;
    }
    Entity* out = nullptr;
    ASSERT_TRUE(FindNearestCandidate(Vector(0, -2, 0), Pool(Entity::kTypeSoldier), out));
    EXPECT_EQ(out, c);
    ASSERT_TRUE(FindNearestCandidate(Vector(0, 0, 0), Pool(Entity::kTypeSoldier), out));
    EXPECT_EQ(out, c);
    m_manager.ReleaseEntity(c);
    ASSERT_TRUE(FindNearestCandidate(Vector(0, 0, 0), Pool(Entity::kTypeSoldier), out));
    EXPECT_EQ(out, a);
    ASSERT_TRUE(FindFarthestCandidate(Vector(0, 0, 0), Pool(Entity::kTypeSoldier), out));
    EXPECT_EQ(out, b);
}

TEST_F(QueryTest, StartValuesBoundTheStrengthAndHealthPickers) {
    Soldier(0, 0, kHostile, 1, 2000, -1);
    Entity* out = nullptr;
    EXPECT_FALSE(PickWeakest(Pool(Entity::kTypeSoldier), out));
    EXPECT_FALSE(PickHealthiest(Pool(Entity::kTypeSoldier), out));
    EXPECT_EQ(out, nullptr);
}

TEST_F(QueryTest, AQueryThatFindsNothingLeavesItsAnswerAlone) {
    Entity* kept = Soldier(0, 0, kPlayer);
    Entity* out = kept;
    EntityRef hostile;
    hostile.Set(kHostile, 0, 0, 0, 0, 0, 0);
    EXPECT_FALSE(FindStrongestByRef(m_manager, nullptr, hostile, out));
    EXPECT_FALSE(FindNearestEnemy(m_manager, kept, Vector(), out));
    EXPECT_EQ(out, kept);
}

TEST_F(QueryTest, ANeutralCreatureHasNoEnemies) {
    Entity* neutral = Soldier(0, 0, kNeutral);
    Entity* orc = Soldier(3, 0, kHostile);
    Entity* out = nullptr;
    EXPECT_FALSE(FindNearestEnemy(m_manager, neutral, Vector(), out));
    EXPECT_FALSE(AreEnemiesOnMap(m_manager, *neutral));
    EXPECT_FALSE(AreEnemiesInSightRange(m_manager, *neutral));

    Entity* player = Soldier(0, 0, kPlayer);
    Soldier(0, 0, kPlayer);                        // the same side
    Soldier(1, 0, kHostile, EntityRef::kLifeDead); // dead
    ASSERT_TRUE(FindNearestEnemy(m_manager, player, player->GetPosition(), out));
    EXPECT_EQ(out, orc); // neither the neutral one nor the dead one, nearer as they are
    EXPECT_TRUE(AreEnemiesOnMap(m_manager, *player));
    EXPECT_TRUE(AreEnemiesInSightRange(m_manager, *player));
    orc->SetPosition(Vector(50, 0, 0));
    EXPECT_FALSE(AreEnemiesInSightRange(m_manager, *player));
    EXPECT_TRUE(AreEnemiesOnMap(m_manager, *player));
}

// Only away or absent enemies keep the party from resting, out to twice the sight range.
TEST_F(QueryTest, ThreatsAreAwayOrAbsentEnemiesWithinTwiceTheSightRange) {
    Entity* self = Soldier(0, 0, kPlayer);
    Entity* awake = Soldier(5, 0, kHostile, 1);
    EXPECT_FALSE(AreThreatsNearby(m_manager, *self));
    EXPECT_TRUE(AreEnemiesInSightRange(m_manager, *self));
    m_manager.ReleaseEntity(awake);

    for (uint32_t state : {4u, 5u, 255u}) {
        Entity* sleeper = Soldier(39.5f, 0, kHostile, state); // circles 0.5 + 0.5 + 40 apart
        EXPECT_TRUE(AreThreatsNearby(m_manager, *self)) << state;
        EXPECT_FALSE(AreEnemiesInSightRange(m_manager, *self)) << state;
        sleeper->SetPosition(Vector(41.0f, 0, 0));
        EXPECT_FALSE(AreThreatsNearby(m_manager, *self)) << state;
        m_manager.ReleaseEntity(sleeper);
    }
    Soldier(1, 0, kPlayer, kAway); // an ally is never a threat
    EXPECT_FALSE(AreThreatsNearby(m_manager, *self));
}

TEST_F(QueryTest, TheLineCountsOnlyWhatItTouchesBetweenItsEnds) {
    Entity* onLine = Soldier(5, 0.8f, kHostile);  // 0.8 off, within 0.5 + 0.5
    Entity* beside = Soldier(5, 1.2f, kHostile);  // 1.2 off
    Entity* beyond = Soldier(11.2f, 0, kHostile); // its circle begins past the far end
    Entity* atStart = Soldier(0, 0, kHostile);    // the segment starts inside it
    Entity* behind = Soldier(-1.2f, 0, kHostile);
    const EntityPtrList& list = Pool(Entity::kTypeSoldier);
    EXPECT_EQ(CountEntitiesOnLine(Vector(0, 0, 0), Vector(10, 0, 0), 0.5f, list), 2);
    EXPECT_TRUE(onLine->IsCandidate());
    EXPECT_TRUE(atStart->IsCandidate());
    for (Entity* entity : {beside, beyond, behind})
        EXPECT_FALSE(entity->IsCandidate());
}

TEST_F(QueryTest, TheConeKeepsWhatLiesInItsSectorAndTheIncludedEntity) {
    Entity* self = Soldier(0, 0, kPlayer);
    Entity* ahead = Soldier(5, 0.5f, kHostile);
    Entity* aside = Soldier(0, 5, kHostile);
    Entity* far = Soldier(20, 0, kHostile);
    EntityPtrList* list = nullptr;
    ASSERT_TRUE(m_manager.SelectInCone(Entity::kTypeSoldier, self, Vector(), aside, Vector(1, 0, 0),
                                       10.0f, 0.5, list));
    EXPECT_FALSE(self->IsCandidate());
    EXPECT_TRUE(ahead->IsCandidate());
    EXPECT_TRUE(aside->IsCandidate()); // outside, but included
    EXPECT_FALSE(far->IsCandidate());
    EXPECT_FALSE(m_manager.SelectInCone(Entity::kTypeSoldier, self, Vector(), nullptr,
                                        Vector(1, 0, 0), 10.0f, 0.0, list));
}

TEST_F(QueryTest, SightNeedsACreatureAndItsVisionOrAVisibleNeighbour) {
    SoldierEntity* viewer = Soldier(0, 0, kPlayer);
    Entity* target = Soldier(5, 5, kHostile);
    EXPECT_FALSE(CanSeeEntity(*viewer, *target, nullptr));
    m_creatures.front().visible.insert({5, 5});
    EXPECT_TRUE(CanSeeEntity(*viewer, *target, nullptr));
    EXPECT_TRUE(SeeAndRememberTarget(*viewer, target, nullptr));
    ASSERT_EQ(m_creatures.front().seen.size(), 1u);
    EXPECT_FALSE(SeeAndRememberTarget(*viewer, viewer, nullptr));
    viewer->AttachCreature(nullptr);
    EXPECT_FALSE(CanSeeEntity(*viewer, *target, nullptr));
}

TEST_F(QueryTest, OtherEntitiesAreLiveOnlyInTheirOwnKindsPool) {
    Entity* self = Soldier(0, 0, kPlayer);
    Entity* other = Soldier(1, 0, kPlayer);
    Entity* item = m_manager.CreateEntity(0, 0, 0, Entity::kTypeItem);
    EXPECT_TRUE(IsOtherEntityLive(m_manager, self, other, 2));
    EXPECT_FALSE(IsOtherEntityLive(m_manager, self, other, 0));
    EXPECT_TRUE(IsOtherEntityLive(m_manager, self, item, 0));
    EXPECT_FALSE(IsOtherEntityLive(m_manager, self, self, 2));
    EXPECT_FALSE(IsOtherEntityLive(m_manager, self, other, 1));
    m_manager.ReleaseEntity(other);
    EXPECT_FALSE(IsOtherEntityLive(m_manager, self, other, 2));
}

} // namespace
