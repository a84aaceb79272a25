// Free spots among living creatures, creating creatures and teleporting entities.
#include "Source/entities/soldier_planner.h"

#include "Library/files/data_tree_support.h"
#include "Library/world/tile_map_support.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/free_cells.h"
#include "Source/entities/soldier_entity.h"
#include "entity_fakes.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kGround[3] = {0x00000002, 0x00000100, 0};

class PlannerTest : public testsupport::MapDataRoot {
protected:
    void SetUp() override { ASSERT_TRUE(ReadBytes(testsupport::MapBytes(24, 24, kGround))); }

    SoldierEntity* Soldier(const Vector& at) {
        auto* soldier =
            static_cast<SoldierEntity*>(m_manager.CreateEntity(0, 0, 0, Entity::kTypeSoldier));
        soldier->SetRadius(0.5f, 0);
        EXPECT_TRUE(AddEntityToMap(*soldier, at));
        return soldier;
    }
    // The walk and area flags of every cell.
    std::vector<bool> Flags() const {
        std::vector<bool> flags;
        for (int y = 0; y < m_map.GetHeight(); ++y)
            for (int x = 0; x < m_map.GetWidth(); ++x) {
                flags.push_back(m_map.IsWalkable(x, y));
                flags.push_back(m_map.HasAreaFlag(x, y));
            }
        return flags;
    }
    int UsedSoldierSlots() const {
        int used = 0;
        for (int slot = 0; slot < m_manager.GetSlotCount(Entity::kTypeSoldier); ++slot)
            used += m_manager.IsSlotUsed(Entity::kTypeSoldier, slot);
        return used;
    }

    testsupport::FakeCreatureFactory m_creatures;
    EntityMgr m_manager{&m_map};
    SoldierPlanner& m_planner = *m_manager.GetPlanner();
};

// Rings of 0.5 + the radius: ring 1 and ring 2 all touch the occupant's cell, so the
// nearest spot is the first of ring 3's equally near corners. The occupant's cell has its
// walk flag off though its type is walkable, as a closing door leaves it: it stays so.
TEST_F(PlannerTest, ACreatureOnTheSpotPushesANewcomerRingsOutAndTheCellsComeBackExactly) {
    const Vector spot(10.5f, 10.5f, 0);
    SoldierEntity* newcomer = Soldier(Vector(2.5f, 2.5f, 0));
    Vector out;
    ASSERT_TRUE(m_planner.FindPlacement(*newcomer, spot, out));
    EXPECT_EQ(out, spot); // free and walkable: no search

    Soldier(spot);
    m_map.SetWalkable(10, 10, false);
    const std::vector<bool> before = Flags();
    EXPECT_TRUE(m_planner.IsPlaceOccupied(*newcomer, spot));
    ASSERT_TRUE(m_planner.FindPlacement(*newcomer, spot, out));
    EXPECT_EQ(out, Vector(9, 9, 0));
    EXPECT_EQ(Flags(), before);
    EXPECT_FALSE(m_planner.IsPlaceOccupied(*newcomer, out));
}

// Creatures crowded so that their circles share cells: every question stamps the shared
// cells more than once, and each one after the other must still give back every cell as
// it was, the closed door's cell included.
TEST_F(PlannerTest, QuestionsAmongCrowdedCreaturesGiveEveryCellBackAfterEachOther) {
    SoldierEntity* asker = Soldier(Vector(2.5f, 2.5f, 0));
    for (float x : {10.0f, 10.4f, 10.8f, 11.2f})
        for (float y : {10.0f, 10.5f, 11.0f})
            Soldier(Vector(x, y, 0));
    m_map.SetWalkable(11, 11, false);
    m_map.SetAreaFlag(12, 10, true);
    const std::vector<bool> before = Flags();
    Vector out;
    for (int question = 0; question < 3; ++question) {
        EXPECT_TRUE(m_planner.IsPlaceOccupied(*asker, Vector(10.5f, 10.5f, 0)));
        EXPECT_FALSE(m_planner.IsPlaceOccupied(*asker, Vector(6.5f, 6.5f, 0)));
        ASSERT_TRUE(m_planner.FindPlacement(*asker, Vector(10.5f, 10.5f, 0), out));
        EXPECT_FALSE(m_planner.IsPlaceOccupied(*asker, out));
        EXPECT_EQ(Flags(), before) << "after question " << question;
    }
}

TEST_F(PlannerTest, ACreatureWithoutATemplateLeavesThePoolAsItWas) {
    testsupport::ScopedDataRoot root;
    Soldier(Vector(3.5f, 3.5f, 0));
    const int used = UsedSoldierSlots();
    EXPECT_EQ(CreateCreature(m_manager, "nobody.dat", Vector(5.5f, 5.5f, 0), 2), nullptr);
    EXPECT_EQ(UsedSoldierSlots(), used);
}

// Nowhere walkable: every ring fails, and the entity stays on the map where it stood; an
// entity that cannot be put on a map is not moved either, nor can it be taken off one.
TEST_F(PlannerTest, ATeleportThatFindsNoSpotLeavesTheEntityWhereItWas) {
    EntityMgr mapless;
    Entity* stray = mapless.CreateEntity(1, 1, 0, Entity::kTypeItem);
    EXPECT_FALSE(AddEntityToMap(*stray, Vector(5, 5, 0)));
    EXPECT_FALSE(RemoveEntityFromMap(*stray));
    EXPECT_EQ(stray->GetPosition(), Vector(1, 1, 0));
    Entity* barrel = m_manager.CreateEntity(0, 0, 0, Entity::kTypeItem);
    ASSERT_TRUE(AddEntityToMap(*barrel, Vector(2.5f, 2.5f, 0)));
    for (int y = 0; y < m_map.GetHeight(); ++y)
        for (int x = 0; x < m_map.GetWidth(); ++x)
            m_map.SetWalkable(x, y, false);
    EXPECT_FALSE(TeleportEntity(*barrel, Vector(12.5f, 12.5f, 0)));
    EXPECT_EQ(barrel->GetPosition(), Vector(2.5f, 2.5f, 0));
    EXPECT_EQ(m_map.GetList(TileMap::kItemList), barrel);
}

TEST_F(PlannerTest, TheFarthestFirstSearchTriesThePointsFarthestFromItsReferenceFirst) {
    FreeCells cells;
    const Vector centre(8, 8, 0);
    Vector out;
    ASSERT_TRUE(cells.Collect(centre, 2.0f));
    ASSERT_TRUE(cells.FindFreeSpotFarthestFirst(m_map, centre, 0.25f, out));
    EXPECT_EQ(out, Vector(8, 6, 0)) << "the first of the points two away";
    ASSERT_TRUE(cells.Collect(centre, 2.0f));
    ASSERT_TRUE(cells.FindFreeSpot(m_map, centre, 0.25f, out));
    EXPECT_EQ(out, Vector(7, 7, 0));
    ASSERT_TRUE(cells.Collect(centre, 2.0f));
    ASSERT_TRUE(cells.FindFreeSpotFarthestFirst(m_map, Vector(8, 6, 0), 0.25f, out));
    EXPECT_EQ(out, Vector(8, 10, 0)) << "the farthest from the reference";
    EXPECT_EQ(cells.Count(), 0) << "the ring is used up";
}

} // namespace
