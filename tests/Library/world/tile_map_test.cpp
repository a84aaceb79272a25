// The tile map's cells, draw lists and explored state, on small maps made in memory.
#include "Library/world/tile_map.h"

#include "Library/core/random.h"
#include "Library/core/test_stream_support.h"
#include "Library/world/view_scale.h"
#include "Library/world/world_object.h"
#include "platform/win_rand.h"
#include "tile_map_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// Cells of type 2, walkable, with the bits nothing names set in words 0 and 1.
constexpr uint32_t kGround[3] = {0xF0000002, 0xFF800100, 0};

class TileMapCells : public testsupport::MapDataRoot {
protected:
    void SetUp() override { ASSERT_TRUE(ReadBytes(testsupport::MapBytes(4, 4, kGround))); }
};

TEST_F(TileMapCells, QueriesAreFalseOrZeroOutsideAndChangesIgnoredThere) {
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {4, 0}, {0, 4}}) {
        m_map.SetWalkable(x, y, true);
        m_map.SetTileType(x, y, 3);
        m_map.SetDoorCell(x, y, true);
        m_map.RestoreWalkable(x, y);
        int value = 77, l1 = 77, l2 = 77, l3 = 77;
        EXPECT_FALSE(m_map.IsWalkable(x, y) || m_map.IsWalkableType(x, y) ||
                     m_map.IsSeeThrough(x, y) || m_map.IsDoorCell(x, y) ||
                     m_map.GetTileType(x, y, value) || m_map.GetHeight(x, y, value) ||
                     m_map.GetLight(x, y, l1, l2, l3));
        EXPECT_EQ(m_map.GetTileClass(x, y), 0);
        EXPECT_EQ(value, 77);
    }
    EXPECT_TRUE(m_map.IsWalkable(3, 3));
}

TEST_F(TileMapCells, EachChangeTouchesItsOwnBitsOnly) {
    m_map.SetExplored(1, 1, true);
    m_map.SetInView(1, 1, true);
    m_map.SetExploredEdge(1, 1, true);
    m_map.SetInViewEdge(1, 1, true);
    m_map.SetAreaFlag(1, 1, true);
    m_map.SetEdgeDir(1, 1, 13);    // 13 & 7
    m_map.SetTileType(1, 1, 0x1B); // 0x1B & 15 = 11
    const TileRecord& cell = m_map.GetGrid().At(1, 1);
    EXPECT_EQ(cell.words[0], 0xF000000Bu);
    EXPECT_EQ(cell.words[1], 0xFF800100u | TileRecord::kFogBits | 5u << 16 | TileRecord::kArea);
    EXPECT_TRUE(m_map.IsInView(1, 1) && m_map.HasAreaFlag(1, 1));
    EXPECT_FALSE(m_map.IsSeeThrough(1, 1) || m_map.IsWalkableType(1, 1));

    m_map.ClearFog();
    EXPECT_EQ(cell.words[1], 0xFF800100u | 5u << 16 | TileRecord::kArea);
    EXPECT_EQ(m_map.GetGrid().At(0, 0).words[1], kGround[1]);
}

TEST_F(TileMapCells, TypesGiveWalkingSightAndClass) {
    struct Expected {
        int type;
        bool walkable, seeThrough;
        int tileClass;
    };
    for (const Expected& e : {Expected{0, true, true, 0}, Expected{3, true, true, 1},
                              Expected{5, true, true, 2}, Expected{6, false, true, 0},
                              Expected{10, false, true, 0}, Expected{11, false, false, 0}}) {
        m_map.SetTileType(2, 2, e.type);
        EXPECT_EQ(m_map.IsWalkableType(2, 2), e.walkable) << e.type;
        EXPECT_EQ(m_map.IsSeeThrough(2, 2), e.seeThrough) << e.type;
        EXPECT_EQ(m_map.GetTileClass(2, 2), e.tileClass) << e.type;
    }
}

TEST_F(TileMapCells, DoorsAndTypesDecideWhatRestoringMakesWalkable) {
    m_map.SetDoorCell(0, 0, false); // a closed door on walkable ground
    EXPECT_TRUE(m_map.IsDoorCell(0, 0));
    EXPECT_FALSE(m_map.IsWalkable(0, 0) || m_map.IsDoorOpen(0, 0));
    m_map.RestoreWalkable(0, 0);
    EXPECT_FALSE(m_map.IsWalkable(0, 0));
    m_map.SetDoorCell(0, 0, true);
    EXPECT_TRUE(m_map.IsWalkable(0, 0) && m_map.IsDoorOpen(0, 0));

    m_map.SetWalkable(1, 0, false);
    m_map.SetTileType(1, 0, 5);
    m_map.SetAreaFlag(1, 0, true);
    m_map.RestoreWalkable(1, 0);
    EXPECT_TRUE(m_map.IsWalkable(1, 0));
    EXPECT_FALSE(m_map.HasAreaFlag(1, 0));
    m_map.SetTileType(1, 0, 6);
    m_map.RestoreWalkable(1, 0);
    EXPECT_FALSE(m_map.IsWalkable(1, 0));

    // The editor's reset: walkable by type, door and fog state gone, edges kept.
    m_map.SetExplored(2, 0, true);
    m_map.SetExploredEdge(2, 0, true);
    m_map.ResetCellStates();
    EXPECT_TRUE(m_map.IsWalkable(0, 0));
    EXPECT_FALSE(m_map.IsDoorCell(0, 0) || m_map.IsDoorOpen(0, 0) || m_map.IsExplored(2, 0));
    EXPECT_TRUE(m_map.GetGrid().At(2, 0).Has(TileRecord::kExploredEdge));
    EXPECT_FALSE(m_map.IsWalkable(1, 0));
}

TEST_F(TileMapCells, LinesAskTheirOwnTestOfEveryCell) {
    m_map.SetWalkable(2, 1, false); // walkable by type, flag cleared
    m_map.SetTileType(1, 3, 8);     // flag set, type blocking
    const Vector a(0.5f, 1.9f, 0), b(3.9f, 1.2f, 0), c(1.2f, 0.0f, 0), d(1.7f, 3.5f, 0);
    EXPECT_TRUE(m_map.WalkLineA(a, b));
    EXPECT_FALSE(m_map.WalkLineB(a, b));
    EXPECT_FALSE(m_map.WalkLineA(c, d));
    EXPECT_TRUE(m_map.WalkLineB(c, d));
    EXPECT_FALSE(m_map.WalkLineA(a, Vector(9.0f, 1.0f, 0))); // off the map
    EXPECT_FALSE(m_map.WalkLineB(Vector(NAN, 0, 0), Vector(1e30f, 0, 0)));
}

TEST_F(TileMapCells, ExploredCellsTravelAsOneBitEach) {
    m_map.SetExplored(1, 0, true);
    m_map.SetExplored(3, 3, true);
    TestStream saved;
    ASSERT_TRUE(m_map.WriteExplored(saved));
    m_map.ClearFog();
    m_map.SetExplored(0, 0, true);
    TestStream read(saved.GetBytes());
    ASSERT_TRUE(m_map.ReadExplored(read));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(m_map.IsExplored(x, y), (x == 1 && y == 0) || (x == 3 && y == 3));

    // A list saved for another map is refused and changes nothing.
    ASSERT_TRUE(ReadBytes(testsupport::MapBytes(3, 3, kGround)));
    m_map.SetExplored(2, 2, true);
    TestStream other(saved.GetBytes());
    EXPECT_FALSE(m_map.ReadExplored(other));
    EXPECT_TRUE(m_map.IsExplored(2, 2));
    TestStream cut(Bytes(saved.GetBytes().begin(), saved.GetBytes().end() - 1));
    EXPECT_FALSE(m_map.ReadExplored(cut));
}

// Objects made one after another at one point, moved, taken out and put into the extra
// list in any order: each list stays in key order, equal keys in the order they went in,
// whatever node the last change left its search to start from.
TEST_F(TileMapCells, EveryListStaysInKeyThenArrivalOrder) {
    platform::SeedRand(3);
    constexpr int kCount = 40;
    constexpr int kNowhere = -1;
    std::vector<WorldObject> objects(kCount);
    std::vector<int> lists(kCount, kNowhere);
    std::vector<int> arrivals(kCount, 0);
    int arrival = 0;
    const auto kindList = [](int index) {
        return index % 2 ? TileMap::kItemList : TileMap::kMobileList;
    };
    const auto arrive = [&](int index, int list) {
        lists[index] = list;
        arrivals[index] = arrival++;
    };
    const auto expectOrder = [&](int list, int step) {
        std::vector<const WorldObject*> walked, expected;
        for (const WorldObject* node = m_map.GetList(static_cast<TileMap::ObjectList>(list));
             node != nullptr; node = node->GetNext())
            walked.push_back(node);
        std::vector<int> members;
        for (int index = 0; index < kCount; ++index)
            if (lists[index] == list)
                members.push_back(index);
        std::sort(members.begin(), members.end(), [&](int a, int b) {
            const double keyA = objects[a].GetSortKey(), keyB = objects[b].GetSortKey();
            return keyA < keyB || (keyA == keyB && arrivals[a] < arrivals[b]);
        });
        for (int index : members)
            expected.push_back(&objects[index]);
        ASSERT_EQ(walked, expected) << "list " << list << ", step " << step;
    };
    for (int index = 0; index < kCount; ++index)
        objects[index].SetKind(index % 2 ? 1 : 4); // items and projectiles
    for (int step = 0; step < 3000; ++step) {
        const int index = RandomInt(0, kCount);
        const int change = RandomInt(0, 5);
        if (change == 0) {
            m_map.RemoveObject(&objects[index]);
            if (lists[index] == kindList(index))
                lists[index] = kNowhere;
        } else if (change == 1) {
            if (lists[index] != TileMap::kExtraList)
                arrive(index, TileMap::kExtraList);
            m_map.AddObjectToExtraList(&objects[index]);
        } else { // moved, or made: a third of them at the one point of a run
            m_map.RemoveObject(&objects[index]);
            objects[index].SetPosition(change == 2
                                           ? Vector(2.0f, 1.0f, 0.0f)
                                           : Vector(RandomFloat(0, 4), RandomFloat(0, 4), 0));
            m_map.AddObject(&objects[index]);
            arrive(index, kindList(index));
        }
        for (int list : {TileMap::kExtraList, TileMap::kItemList, TileMap::kMobileList})
            expectOrder(list, step);
    }
    for (WorldObject& object : objects) { // before they go, the map's lists let them go
        m_map.RemoveObject(&object);
        m_map.RemoveObjectFromExtraList(&object);
    }
}

// A key that is not a number leaves the list out of order; the map then finds places as
// a list searched from its head does, until the list is empty again and back in order.
TEST_F(TileMapCells, ListsWithKeysNotNumbersMatchTheSearchFromTheHead) {
    platform::SeedRand(5);
    constexpr int kCount = 30;
    constexpr int kMapPixelWidth = 4 * 16;
    std::vector<WorldObject> objects(kCount), plain(kCount);
    WorldObject* plainHead = nullptr;
    const auto order = [&](const WorldObject* node, const std::vector<WorldObject>& of) {
        std::vector<long> indexes;
        for (; node != nullptr; node = node->GetNext())
            indexes.push_back(node - of.data());
        return indexes;
    };
    const auto removeAll = [&]() {
        for (int index = 0; index < kCount; ++index) {
            m_map.RemoveObject(&objects[index]);
            plain[index].RemoveFromList(plainHead);
        }
    };
    for (WorldObject& object : objects)
        object.SetKind(4);
    for (int step = 0; step < 2000; ++step) {
        const int index = RandomInt(0, kCount);
        const int change = RandomInt(0, 40);
        if (change == 0) {
            removeAll();
        } else {
            m_map.RemoveObject(&objects[index]);
            plain[index].RemoveFromList(plainHead);
        }
        if (change > 4) {
            const Vector place = change < 8   ? Vector(NAN, 1.0f, 0.0f)
                                 : change < 16 ? Vector(2.0f, 1.0f, 0.0f)
                                               : Vector(RandomFloat(0, 4), RandomFloat(0, 4), 0);
            objects[index].SetPosition(place);
            plain[index].SetPosition(place);
            m_map.AddObject(&objects[index]);
            plain[index].InsertInList(plainHead, kMapPixelWidth);
        }
        ASSERT_EQ(order(m_map.GetList(TileMap::kMobileList), objects), order(plainHead, plain))
            << "step " << step;
    }
    removeAll();
}

// A new map empties the lists and what finds places in them: objects gone with the old
// map are never searched from.
TEST_F(TileMapCells, ObjectsOfAnEmptiedListAreNotSearchedFrom) {
    for (int round = 0; round < 2; ++round) {
        std::vector<std::unique_ptr<WorldObject>> objects;
        for (int index = 0; index < 8; ++index) {
            objects.push_back(std::make_unique<WorldObject>());
            objects.back()->SetKind(4);
            objects.back()->SetPosition(Vector(index % 4 + 0.5f, round + 1.0f, 0.0f));
            ASSERT_TRUE(m_map.AddObject(objects.back().get()));
        }
        const WorldObject* head = m_map.GetList(TileMap::kMobileList);
        ASSERT_NE(head, nullptr);
        EXPECT_EQ(head->GetSortKey(), 64.0 * (round + 1) + 0.5);
        ASSERT_TRUE(ReadBytes(testsupport::MapBytes(4, 4, kGround)));
        EXPECT_EQ(m_map.GetList(TileMap::kMobileList), nullptr);
    }
}

// Objects of each kind go to their list in draw order; a new map empties every list.
TEST_F(TileMapCells, ObjectsGoToTheListOfTheirKind) {
    std::vector<std::unique_ptr<WorldObject>> objects;
    auto make = [&objects](uint16_t kind, float x, float y) {
        objects.push_back(std::make_unique<WorldObject>());
        objects.back()->SetKind(kind);
        objects.back()->SetPosition(Vector(x, y, 0));
        return objects.back().get();
    };
    WorldObject* soldier = make(3, 1, 2);
    WorldObject* item = make(1, 0, 0);
    WorldObject* door = make(7, 1, 1);
    WorldObject* town = make(11, 0, 1);
    WorldObject* container = make(9, 3, 0);
    WorldObject* projectile = make(4, 0, 3);
    for (WorldObject* object : {soldier, item, door, town, container, projectile})
        EXPECT_TRUE(m_map.AddObject(object));
    EXPECT_FALSE(m_map.AddObject(nullptr) || m_map.RemoveObject(nullptr));

    EXPECT_EQ(m_map.GetList(TileMap::kItemList), item);
    EXPECT_EQ(m_map.GetList(TileMap::kStaticList), town); // row 1 from x 0, before the door
    EXPECT_EQ(town->GetNext(), door);
    EXPECT_EQ(m_map.GetList(TileMap::kMobileList), container);
    EXPECT_EQ(container->GetSortKey(), 3.0); // a map 64 pixels wide: 64 x 0 + 3
    EXPECT_EQ(soldier->GetSortKey(), 129.0);
    EXPECT_EQ(container->GetNext(), soldier);
    EXPECT_EQ(soldier->GetNext(), projectile);

    EXPECT_TRUE(m_map.AddObjectToExtraList(item));
    EXPECT_EQ(m_map.GetList(TileMap::kExtraList), item);
    EXPECT_TRUE(m_map.RemoveObjectFromExtraList(item));
    EXPECT_EQ(m_map.GetList(TileMap::kExtraList), nullptr);

    m_map.FlagStaticObjects();
    EXPECT_TRUE(m_map.NeedsRefreshVisible());
    EXPECT_TRUE(door->HasAnyFlag(TileMap::kStaticFlag) && town->HasAnyFlag(TileMap::kStaticFlag));
    EXPECT_FALSE(soldier->HasAnyFlag(TileMap::kStaticFlag));

    EXPECT_TRUE(m_map.RemoveObject(soldier));
    EXPECT_EQ(container->GetNext(), projectile);

    g_viewScale.Set(ViewScale::kPixels, Vector(5, 5, 0));
    ASSERT_TRUE(ReadBytes(testsupport::MapBytes(2, 2, kGround)));
    for (int list = 0; list < TileMap::kObjectListCount; ++list)
        EXPECT_EQ(m_map.GetList(static_cast<TileMap::ObjectList>(list)), nullptr);
    EXPECT_EQ(projectile->GetNext(), nullptr);
    EXPECT_EQ(g_viewScale.GetMode(), ViewScale::kAreaMap);
    EXPECT_EQ(g_viewScale.GetViewOffset(), Vector());
    EXPECT_EQ(g_viewScale.GetPixelsPerUnit(), Vector(16, 12, 0));
}

TEST(ViewScale, OnlyItsTwoModesChangeIt) {
    ViewScale scale;
    EXPECT_EQ(scale.GetPixelsPerUnit(), Vector(16, 12, 0));
    scale.Set(ViewScale::kPixels, Vector(3, 4, 0));
    EXPECT_EQ(scale.GetPixelsPerUnit(), Vector(1, 1, 0));
    scale.Set(2, Vector(9, 9, 0));
    EXPECT_EQ(scale.GetMode(), ViewScale::kPixels);
    EXPECT_EQ(scale.GetViewOffset(), Vector(3, 4, 0));
}

} // namespace
