// The questions answered through the soldier cells against the same questions answered by
// selecting the whole pool and filtering it, on two managers holding the same crowd.
#include "Source/entities/soldier_cells.h"

#include "Library/core/random.h"
#include "Library/geometry/circle_tests.h"
#include "Library/world/tile_map_support.h"
#include "Source/entities/cell_stamps.h"
#include "Source/entities/entity_filters.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/entity_pickers.h"
#include "Source/entities/entity_queries.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/soldier_planner.h"
#include "entity_fakes.h"
#include "platform/win_rand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kGround[3] = {0x00000002, 0x00000100, 0};
constexpr int kMapSize = 48;
constexpr int kCrowd = 120;
const char* const kNames[] = {"guard", "GUARD", "Cook", "smith"}; // the first two are one

class SoldierCellsTest : public testsupport::MapDataRoot {
protected:
    // The walls, the crowd and every change are drawn from the game's random stream, seeded
    // here so that what the test covers does not hang on the draws of the tests before it.
    void SetUp() override {
        platform::SeedRand(1);
        ASSERT_TRUE(ReadBytes(testsupport::MapBytes(kMapSize, kMapSize, kGround)));
        for (int wall = 0; wall < 150; ++wall)
            m_map.SetWalkable(RandomInt(0, kMapSize), RandomInt(0, kMapSize), false);
        m_map.SetAreaFlag(20, 20, true);
        for (int i = 0; i < kCrowd; ++i)
            Create();
        Soldier(m_scanned, 0).SetPosition(Vector(NAN, 3, 0));
        Soldier(m_indexed, 0).SetPosition(Vector(NAN, 3, 0));
    }

    Entity& Soldier(EntityMgr& manager, int slot) {
        return *manager.GetEntity(Entity::kTypeSoldier, slot);
    }
    Vector RandomPoint() const {
        return Vector(RandomFloat(-4.0f, kMapSize + 4.0f), RandomFloat(-4.0f, kMapSize + 4.0f), 0);
    }
    // The same soldier in both managers.
    void Create() {
        const Vector at = RandomPoint();
        const float radius = RandomFloat(0.2f, 1.5f);
        const bool dead = RandomInt(0, 8) == 0;
        const char* name = kNames[RandomInt(0, 4)];
        for (EntityMgr* manager : {&m_scanned, &m_indexed}) {
            Entity* soldier = manager->CreateEntity(at.x, at.y, 0, Entity::kTypeSoldier);
            soldier->SetRadius(radius, 0);
            soldier->GetRef().Set(200, dead ? EntityRef::kLifeDead : 1, 0, 0, 0, 0, 0);
            soldier->SetTemplateName(name);
        }
    }
    // One random change made to both crowds: a step, a death, a wider soldier, a soldier
    // gone (and another made, or not yet), the pool selected by a plain query, a soldier
    // renamed or made unsearchable, or a cell of the map that turns walkable or not; or one
    // soldier's flags read. Often none.
    void Change() {
        const int slot = RandomInt(0, m_scanned.GetSlotCount(Entity::kTypeSoldier));
        const bool used = m_scanned.IsSlotUsed(Entity::kTypeSoldier, slot);
        const int kind = RandomInt(0, 20);
        const Vector step(RandomFloat(-3, 3), RandomFloat(-3, 3), 0);
        const float radius = RandomFloat(0.2f, 3.0f);
        const char* name = kNames[RandomInt(0, 4)];
        for (EntityMgr* manager : {&m_scanned, &m_indexed}) {
            Entity& soldier = Soldier(*manager, slot);
            if (kind < 4 && used)
                soldier.SetPosition(soldier.GetPosition() + step);
            else if (kind == 4 && used)
                soldier.GetRef().SetLifeState(soldier.IsDeadSoldier() ? 1 : EntityRef::kLifeDead);
            else if (kind == 5 && used)
                soldier.SetRadius(radius, 0);
            else if (kind == 6 && used)
                manager->ReleaseEntity(&soldier);
            else if (kind == 7)
                AreEnemiesOnMap(*manager, Soldier(*manager, 1));
            else if (kind == 8)
                soldier.SetTemplateName(name);
            else if (kind == 9 && soldier.HasAnyFlag(Entity::kFlagUnsearchable))
                soldier.RemoveFlags(Entity::kFlagUnsearchable);
            else if (kind == 9)
                soldier.AddFlags(Entity::kFlagUnsearchable);
        }
        if (kind == 11) {
            ASSERT_EQ(Soldier(m_scanned, slot).GetFlags(), Soldier(m_indexed, slot).GetFlags());
        }
        if (kind == 6 && RandomInt(0, 2) == 0)
            Create(); // else the slot stays free a while
        const Vector& at = Soldier(m_scanned, slot).GetPosition();
        if (kind == 10 && std::isfinite(at.x))
            m_map.SetWalkable(static_cast<int>(at.x), static_cast<int>(at.y),
                              !m_map.IsWalkable(static_cast<int>(at.x), static_cast<int>(at.y)));
    }
    // The used slots and every soldier's flags agree, freed ones too. Reading them settles
    // what the soldiers hold back, so it is done now and then only.
    void ExpectSameFlags(const std::string& what) {
        ASSERT_EQ(m_scanned.GetSlotCount(Entity::kTypeSoldier),
                  m_indexed.GetSlotCount(Entity::kTypeSoldier));
        for (int slot = 0; slot < m_scanned.GetSlotCount(Entity::kTypeSoldier); ++slot) {
            ASSERT_EQ(m_scanned.IsSlotUsed(Entity::kTypeSoldier, slot),
                      m_indexed.IsSlotUsed(Entity::kTypeSoldier, slot));
            ASSERT_EQ(Soldier(m_scanned, slot).GetFlags(), Soldier(m_indexed, slot).GetFlags())
                << what << ", slot " << slot;
        }
    }
    void MaybeExpectSameFlags(const std::string& what) {
        if (RandomInt(0, 4) == 0)
            ExpectSameFlags(what);
    }
    int SlotOf(EntityMgr& manager, const Entity* soldier) {
        for (int slot = 0; slot < manager.GetSlotCount(Entity::kTypeSoldier); ++slot)
            if (manager.GetEntity(Entity::kTypeSoldier, slot) == soldier)
                return slot;
        return -1;
    }
    Entity* RandomSoldierOrNone(EntityMgr& manager, int slot) {
        return slot < 0 || !manager.IsSlotUsed(Entity::kTypeSoldier, slot)
                   ? nullptr
                   : &Soldier(manager, slot);
    }

    testsupport::FakeCreatureFactory m_creatures;
    EntityMgr m_scanned{&m_map};
    EntityMgr m_indexed{&m_map};
};

// The whole pool selected, the ends and the dead deselected, the line's test on the rest.
bool ScannedLineClear(EntityMgr& manager, const TileMap& map, const Vector& from, const Vector& to,
                      float margin, Entity* a, Entity* b) {
    if (!map.WalkLineB(from, to))
        return false;
    EntityPtrList* list = nullptr;
    manager.GetPool(Entity::kTypeSoldier, list);
    DeselectEntity(a);
    DeselectEntity(b);
    DeselectDeadSoldiers(*list);
    return CountEntitiesOnLine(from, to, margin, *list) == 0;
}

bool ScannedInArea(EntityMgr& manager, const Vector& point, float size) {
    EntityPtrList* list = nullptr;
    manager.GetPool(Entity::kTypeSoldier, list);
    DeselectDeadSoldiers(*list);
    DeselectOutsideArea(point, size, *list);
    return CountSelected(*list) > 0;
}

// The soldier stage of the search by reference (the crowd has nothing else): the whole
// pool selected, self deselected and the filters applied in turn.
bool ScannedFirstByRef(EntityMgr& manager, Entity* self, bool livingOnly, const EntityRef& ref,
                       Entity*& out) {
    EntityPtrList* list = nullptr;
    manager.GetPool(Entity::kTypeSoldier, list);
    DeselectEntity(self);
    DeselectNotMatchingRef(ref, *list);
    if (livingOnly)
        DeselectDeadSoldiers(*list);
    DeselectOnHiddenCells(manager.GetTileMap(), *list);
    DeselectFlag200(*list);
    return GetFirstCandidate(*list, out);
}

// The others stamped onto the map's area flags, and the point's circle read there.
bool ScannedOccupied(EntityMgr& manager, TileMap& map, Entity& self, const Vector& point) {
    EntityPtrList* list = nullptr;
    manager.GetPool(Entity::kTypeSoldier, list);
    DeselectEntity(&self);
    DeselectDeadSoldiers(*list);
    CellMarks marks;
    CellStamps stamps(map, marks);
    stamps.StampAreaFlag(*list, nullptr);
    return CircleTouchesAreaFlag(map, point, self.GetRadius() * 0.5f);
}

TEST_F(SoldierCellsTest, LineAreaAndOccupancyQuestionsAnswerAndSelectAsTheScans) {
    int clear = 0, inArea = 0, occupied = 0, found = 0;
    for (int step = 0; step < 5000; ++step) {
        Change();
        MaybeExpectSameFlags("change at step " + std::to_string(step));
        const int slotA = RandomInt(-1, m_scanned.GetSlotCount(Entity::kTypeSoldier));
        const int slotB = RandomInt(-1, m_scanned.GetSlotCount(Entity::kTypeSoldier));
        const Vector from = RandomPoint();
        const Vector to = from + Vector(RandomFloat(-10, 10), RandomFloat(-10, 10), 0);
        const float size = RandomFloat(-1.0f, 6.0f);
        switch (step % 5) {
        case 0: {
            const bool scanned = ScannedLineClear(m_scanned, m_map, from, to, size,
                                                  RandomSoldierOrNone(m_scanned, slotA),
                                                  RandomSoldierOrNone(m_scanned, slotB));
            ASSERT_EQ(IsLineClearOfSoldiers(m_indexed, from, to, size,
                                            RandomSoldierOrNone(m_indexed, slotA),
                                            RandomSoldierOrNone(m_indexed, slotB)),
                      scanned)
                << "line at step " << step;
            clear += scanned;
            break;
        }
        case 1: {
            const bool scanned = ScannedInArea(m_scanned, from, size);
            std::vector<Entity*> selected;
            ASSERT_EQ(m_indexed.SelectSoldiersInArea(from, size, selected), scanned)
                << "area at step " << step;
            std::vector<Entity*> flagged; // in slot order
            for (int slot = 0; slot < m_scanned.GetSlotCount(Entity::kTypeSoldier); ++slot)
                if (m_scanned.IsSlotUsed(Entity::kTypeSoldier, slot) &&
                    Soldier(m_scanned, slot).IsCandidate())
                    flagged.push_back(&Soldier(m_indexed, slot));
            ASSERT_EQ(selected, flagged) << "area at step " << step;
            inArea += scanned;
            break;
        }
        case 3: {
            // Asked again at once, after a change or none, so that a selection is recalled.
            EntityRef ref;
            if (RandomInt(0, 2) == 0)
                ref.SetName(kNames[RandomInt(0, 4)]);
            const bool everyone = RandomInt(0, 3) > 0;
            const bool livingOnly = !everyone && RandomInt(0, 2) == 0;
            const int selfSlot = everyone ? -1 : slotA;
            for (int round = 0; round < 3; ++round) {
                if (round > 0)
                    Change();
                Entity* scannedOut = nullptr;
                Entity* indexedOut = nullptr;
                const bool scanned =
                    ScannedFirstByRef(m_scanned, RandomSoldierOrNone(m_scanned, selfSlot),
                                      livingOnly, ref, scannedOut);
                ASSERT_EQ(FindFirstByRef(m_indexed, RandomSoldierOrNone(m_indexed, selfSlot),
                                         livingOnly, ref, indexedOut),
                          scanned)
                    << "by reference at step " << step;
                if (scanned) {
                    ASSERT_EQ(SlotOf(m_indexed, indexedOut), SlotOf(m_scanned, scannedOut));
                }
                found += scanned;
                MaybeExpectSameFlags("by reference at step " + std::to_string(step));
            }
            break;
        }
        case 2:
            if (RandomInt(0, 2) == 0) {
                EntityPtrList* list = nullptr;
                m_scanned.GetPool(Entity::kTypeSoldier, list);
                DeselectEntity(RandomSoldierOrNone(m_scanned, slotA));
                DeselectEntity(RandomSoldierOrNone(m_scanned, slotB));
                DeselectDeadSoldiers(*list);
                m_indexed.SelectOtherLivingSoldiers(RandomSoldierOrNone(m_indexed, slotA),
                                                    RandomSoldierOrNone(m_indexed, slotB));
                break;
            }
            [[fallthrough]];
        default: {
            Entity* self = RandomSoldierOrNone(m_scanned, slotA);
            if (self == nullptr)
                continue;
            const bool scanned = ScannedOccupied(m_scanned, m_map, *self, from);
            ASSERT_EQ(m_indexed.GetPlanner()->IsPlaceOccupied(Soldier(m_indexed, slotA), from),
                      scanned)
                << "occupancy at step " << step;
            occupied += scanned;
        }
        }
        MaybeExpectSameFlags("step " + std::to_string(step));
    }
    ExpectSameFlags("the end");
    // Both answers came up often enough to mean something.
    EXPECT_GT(clear, 50);
    EXPECT_GT(inArea, 100);
    EXPECT_GT(occupied, 50);
    EXPECT_GT(found, 200);
}

// A search remembered is not recalled once the soldier pool is handed out for a selection of
// its own, or the cells make one: either may leave other soldiers selected than the search
// did. (The one selection of the cells comes right after the pool is handed out, so in play
// either forgetting covers the other.)
TEST_F(SoldierCellsTest, ARememberedSearchIsForgottenOnceThePoolIsSelectedAnew) {
    SoldierCells& cells = m_indexed.GetSoldierCells();
    Entity& first = Soldier(m_indexed, 1);
    cells.RememberSearchable(m_map, first);
    ASSERT_EQ(cells.RecallSearchable(m_map), &first);
    m_indexed.GetPoolToSelect(Entity::kTypeSoldier);
    EXPECT_EQ(cells.RecallSearchable(m_map), nullptr) << "the pool handed out";
    cells.RememberSearchable(m_map, first);
    cells.SelectWhere([](const Entity&) { return false; });
    EXPECT_EQ(cells.RecallSearchable(m_map), nullptr) << "the cells' own selection";
}

} // namespace
