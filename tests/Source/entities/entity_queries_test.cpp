// Selecting, filtering and picking entities.
#include "Source/entities/entity_queries.h"

#include "Library/world/tile_map_support.h"
#include "Source/entities/entity_filters.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/entity_pickers.h"
#include "Source/entities/gathered_entity_list.h"
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

// Walkable ground everywhere.
constexpr uint32_t kGround[3] = {0x00000002, 0x00000100, 0};

class QueryTest : public testsupport::MapDataRoot {
protected:
    void SetUp() override { ASSERT_TRUE(ReadBytes(testsupport::MapBytes(64, 64, kGround))); }

    SoldierEntity* Soldier(float x, float y, uint32_t side, uint32_t lifeState = 1,
                           int strength = 10, int health = 100) {
        auto* soldier =
            static_cast<SoldierEntity*>(m_manager.CreateEntity(x, y, 0, Entity::kTypeSoldier));
        soldier->GetRef().Set(side, lifeState, 0, 0, 0, 0, 0);
        soldier->SetRadius(0.5f, 0);
        FakeCreature::Of(soldier).strength = strength;
        FakeCreature::Of(soldier).health = health;
        return soldier;
    }
    const EntityPtrList& Pool(int type) {
        EntityPtrList* list = nullptr;
        EXPECT_TRUE(m_manager.GetPool(type, list));
        return *list;
    }

    testsupport::FakeCreatureFactory m_creatures;
    EntityMgr m_manager{&m_map};
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

TEST_F(QueryTest, ANeutralCreatureHasNoEnemies) {
    Entity* neutral = Soldier(0, 0, kNeutral);
    Entity* orc = Soldier(3, 0, kHostile);
    Entity* out = neutral; // a query that finds nothing leaves its answer alone
    EntityRef absent;
    absent.Set(kPlayer, 0, 0, 0, 0, 0, 0);
    EXPECT_FALSE(FindStrongestByRef(m_manager, nullptr, absent, out));
    EXPECT_FALSE(FindNearestEnemy(m_manager, neutral, Vector(), out));
    EXPECT_EQ(out, neutral);
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
    FakeCreature::Of(viewer).visible.insert({5, 5});
    EXPECT_TRUE(CanSeeEntity(*viewer, *target, nullptr));
    EXPECT_TRUE(SeeAndRememberTarget(*viewer, target, nullptr));
    ASSERT_EQ(FakeCreature::Of(viewer).seen.size(), 1u);
    EXPECT_FALSE(SeeAndRememberTarget(*viewer, viewer, nullptr));
    SetSoldierPartsFactory(nullptr); // a soldier without a creature sees nothing
    Entity* blind = m_manager.CreateEntity(0, 0, 0, Entity::kTypeSoldier);
    EXPECT_FALSE(CanSeeEntity(*blind, *target, nullptr));
}

TEST_F(QueryTest, TheFirstByReferenceIsASoldierThenAnItemThenATriggerOrDoor) {
    EntityRef named;
    named.SetName("key");
    const auto named_ = [&](int type, float x) {
        Entity* entity = m_manager.CreateEntity(x, 1, 0, type);
        entity->SetTemplateName("key");
        return entity;
    };
    Entity* door = named_(Entity::kTypeDoor, 1);
    Entity* trigger = named_(Entity::kTypeTrigger, 1);
    Entity* item = named_(Entity::kTypeItem, 1);
    Entity* out = nullptr;
    ASSERT_TRUE(FindFirstByRef(m_manager, nullptr, true, named, out));
    EXPECT_EQ(out, item);
    Entity* soldier = named_(Entity::kTypeSoldier, 2);
    ASSERT_TRUE(FindFirstByRef(m_manager, nullptr, true, named, out));
    EXPECT_EQ(out, soldier); // though the item came first
    EXPECT_FALSE(FindFirstByRef(m_manager, soldier, true, named, out) && out == soldier);

    soldier->GetRef().Set(0, EntityRef::kLifeDead, 0, 0, 0, 0, 0);
    soldier->GetRef().SetName("key");
    ASSERT_TRUE(FindFirstByRef(m_manager, nullptr, true, named, out));
    EXPECT_EQ(out, item); // only the living with livingOnly
    ASSERT_TRUE(FindFirstByRef(m_manager, nullptr, false, named, out));
    EXPECT_EQ(out, soldier);

    m_map.SetWalkable(1, 1, false); // the item's cell
    item->AddFlags(Entity::kFlagUnsearchable);
    m_manager.ReleaseEntity(soldier);
    ASSERT_TRUE(FindFirstByRef(m_manager, nullptr, true, named, out));
    EXPECT_EQ(out, trigger);
    m_manager.ReleaseEntity(trigger);
    ASSERT_TRUE(FindFirstByRef(m_manager, nullptr, true, named, out));
    EXPECT_EQ(out, door);
}

// A reference to everyone, as a script's arguments are resolved, finds the same soldier again
// while nothing changed; once that soldier is freed it finds the next, and once the manager
// is cleared, none.
TEST_F(QueryTest, AReferenceToEveryoneFindsNoFreedSoldier) {
    SoldierEntity* first = Soldier(1.5f, 1.5f, kPlayer);
    SoldierEntity* second = Soldier(2.5f, 2.5f, kHostile);
    const EntityRef everyone;
    Entity* out = nullptr;
    for (int ask = 0; ask < 2; ++ask) {
        ASSERT_TRUE(FindFirstByRef(m_manager, nullptr, false, everyone, out));
        EXPECT_EQ(out, first);
    }
    m_manager.ReleaseEntity(first);
    ASSERT_TRUE(FindFirstByRef(m_manager, nullptr, false, everyone, out));
    EXPECT_EQ(out, second);
    m_manager.Clear();
    out = nullptr;
    EXPECT_FALSE(FindFirstByRef(m_manager, nullptr, false, everyone, out));
    EXPECT_EQ(out, nullptr);
}

TEST_F(QueryTest, NearestByReferenceSkipsHiddenAndUnsearchableEntries) {
    EntityRef hostile;
    hostile.Set(kHostile, 0, 0, 0, 0, 0, 0);
    Entity* near = Soldier(2, 2, kHostile);
    Entity* far = Soldier(9, 9, kHostile);
    Entity* out = nullptr;
    ASSERT_TRUE(FindNearestByRef(m_manager, nullptr, Vector(), hostile, out));
    EXPECT_EQ(out, near);
    near->AddFlags(Entity::kFlagHidden);
    ASSERT_TRUE(FindNearestByRef(m_manager, nullptr, Vector(), hostile, out));
    EXPECT_EQ(out, far);
    far->AddFlags(Entity::kFlagUnsearchable);
    EXPECT_FALSE(FindNearestByRef(m_manager, nullptr, Vector(), hostile, out));
}

TEST_F(QueryTest, ABlockingCellHidesWhatOnlyItsNeighboursShow) {
    SoldierEntity* viewer = Soldier(0, 0, kPlayer);
    Entity* target = Soldier(5, 5, kHostile);
    FakeCreature::Of(viewer).visible.insert({6, 5}); // a neighbour of the target's cell
    EXPECT_TRUE(CanSeeEntity(*viewer, *target, &m_map));
    m_map.SetTileType(5, 5, 11);
    EXPECT_FALSE(CanSeeEntity(*viewer, *target, &m_map));

    EXPECT_FALSE(IsCellOrNeighbourSet(m_map, 3, 3));
    m_map.SetInView(4, 4, true);
    EXPECT_TRUE(IsCellOrNeighbourSet(m_map, 3, 3));
    m_map.SetTileType(3, 3, 6);
    EXPECT_FALSE(IsCellOrNeighbourSet(m_map, 3, 3));
    m_map.SetInView(3, 3, true);
    EXPECT_TRUE(IsCellOrNeighbourSet(m_map, 3, 3));
}

} // namespace

namespace {

TEST_F(QueryTest, SelectionHelpersGatherMeasureAndPickOnlyWhatIsSelected) {
    Entity* a = Soldier(10, 10, kHostile);
    Entity* b = Soldier(14, 10, kHostile);
    Entity* c = Soldier(12, 40, kPlayer);
    c->SetRadius(2.0f, 0);
    const EntityPtrList& soldiers = Pool(Entity::kTypeSoldier);
    DeselectEntity(c);

    float radius = 0.0f;
    ASSERT_TRUE(SelectionRadius(soldiers, radius));
    EXPECT_FLOAT_EQ(radius, 2.5f); // centre (12, 10), 2 to either edge's centre, plus 0.5
    Entity* out = nullptr;
    EXPECT_FALSE(AnyMatchingSelected(soldiers, c->GetRef()));
    ASSERT_TRUE(PickLargest(Pool(Entity::kTypeSoldier), out));
    EXPECT_EQ(out, c);

    GatheredEntityList gathered;
    gathered.Add(b);
    DeselectEntity(c);
    EXPECT_TRUE(AppendSelected(soldiers, gathered));
    EXPECT_EQ(gathered.GetSlotCount(), 2) << "b is not added twice";
    EXPECT_EQ(gathered.GetAt(1), a);
    DeselectInList(Pool(Entity::kTypeSoldier), gathered);
    EXPECT_EQ(CountSelected(soldiers), 1);
    ASSERT_TRUE(PickRandomCandidate(soldiers, out));
    EXPECT_EQ(out, c) << "the only one selected";

    DeselectInsideCircle(Vector(12, 40, 0), 2.5f, Pool(Entity::kTypeSoldier));
    EXPECT_EQ(CountSelected(soldiers), 2) << "c's centre lies within 2.5 - 2";
    DeselectNotMatchingFields(kHostile, 0, 0, 0, 0, 0, 0, Pool(Entity::kTypeSoldier));
    EXPECT_FALSE(c->IsCandidate()) << "c is on the player's side";
    EXPECT_EQ(CountSelected(soldiers), 2);
    DeselectNotMatchingName("nobody", soldiers);
    EXPECT_FALSE(PickRandomCandidate(soldiers, out));
    EXPECT_FALSE(SelectionRadius(soldiers, radius));
    EXPECT_EQ(radius, 2.5f) << "unchanged";
}

TEST_F(QueryTest, ALineOrSectorIsClearWithoutWallsAndLivingSoldiersButItsEnds) {
    Entity* shooter = Soldier(5.5f, 5.5f, kPlayer);
    Entity* mark = Soldier(15.5f, 5.5f, kHostile);
    Entity* dead = Soldier(10.5f, 5.5f, kHostile, EntityRef::kLifeDead);
    const Vector from = shooter->GetPosition(), to = mark->GetPosition();
    EXPECT_TRUE(IsLineClearOfSoldiers(m_manager, from, to, 0.5f, shooter, mark));
    EXPECT_TRUE(IsShapeClearOfSoldiers(m_manager, from, to, 12.0f, 0.5, shooter, mark));
    EXPECT_FALSE(IsLineClearOfSoldiers(m_manager, from, to, 0.5f, shooter, nullptr));
    dead->GetRef().SetLifeState(1);
    EXPECT_FALSE(IsLineClearOfSoldiers(m_manager, from, to, 0.5f, shooter, mark));
    EXPECT_FALSE(IsShapeClearOfSoldiers(m_manager, from, to, 12.0f, 0.5, shooter, mark));
    m_manager.ReleaseEntity(dead);
    m_map.SetWalkable(12, 5, false);
    EXPECT_FALSE(IsLineClearOfSoldiers(m_manager, from, to, 0.5f, shooter, mark));
    EXPECT_EQ(CountNearWithClearLine(m_map, from, 20.0f, Pool(Entity::kTypeSoldier)), 1)
        << "only the shooter itself; the wall hides the mark";
    EXPECT_FALSE(IsPointPassable(&m_map, Vector(12.9f, 5.1f, 0)));
    EXPECT_FALSE(IsPointPassable(nullptr, from));
}

} // namespace
