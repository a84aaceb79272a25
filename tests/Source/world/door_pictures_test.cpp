// Door pictures in the running game: a door that changes picture leaves the picture of a door
// beside it as it was drawn.
#include "Library/graphics/graphic.h"
#include "Library/world/tile.h"
#include "Library/world/tile_map.h"
#include "Source/entities/door_entity.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "Source/screens/party_cmd_orders.h"
#include "Source/world/demo_game.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace testsupport;
using DoorPictures = DemoGame;

// The pictures of the cells, columns and rows from first to last, as the tiles hold them
// before the tint and the fog; empty when one has none.
std::vector<uint16_t> CellPictures(int firstColumn, int firstRow, int lastColumn, int lastRow) {
    std::vector<uint16_t> pixels;
    for (int row = firstRow; row <= lastRow; ++row)
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const Tile* tile = g_tileMap->GetTile(column, row);
            if (tile == nullptr || tile->GetSource().GetData() == nullptr)
                return {};
            const uint16_t* data = tile->GetSource().GetData();
            pixels.insert(pixels.end(), data, data + Tile::kWidth * Tile::kHeight);
        }
    return pixels;
}

// The house door's pictures stand against the gate's right edge, in the cells round the gate's
// picture; the party opens the gate and shuts it again, and the door beside it keeps its picture.
TEST_F(DoorPictures, TheGateOpeningLeavesTheDoorBesideItDrawn) {
    StartOnDemoMap();
    auto* gate = static_cast<DoorEntity*>(
        g_entityMgr->FindMapObjectAt(Entity::kTypeDoor, kMapObjectDoor, Vector(50, 40, 0)));
    ASSERT_NE(gate, nullptr);
    ASSERT_FALSE(gate->GetMapObject().IsOpen());
    g_tileMap->CentreViewOn(Vector(52, 38, 0));
    Frame();
    const auto beside = [] { return CellPictures(52, 36, 53, 38); }; // the door's whole cells
    const auto gateMiddle = [] { return CellPictures(49, 37, 50, 38); };
    const std::vector<uint16_t> ground = beside();
    const std::vector<uint16_t> shut = gateMiddle();
    ASSERT_FALSE(ground.empty() || shut.empty());

    const DoorMapObject& gatePicture = gate->GetMapObject(); // four cells wide
    auto* door = static_cast<DoorEntity*>(g_entityMgr->CreateEntity(53, 38, 0, Entity::kTypeDoor));
    ASSERT_NE(door, nullptr);
    door->GetMapObject().SetPatch("house_door_closed.tga", "house_door_open.tga",
                                  static_cast<uint16_t>(gatePicture.GetPatchX() + 4 * Tile::kWidth),
                                  gatePicture.GetPatchY());
    door->GetMapObject().SetState0();
    Frame();
    const std::vector<uint16_t> drawn = beside();
    ASSERT_TRUE(drawn != ground);
    EXPECT_TRUE(gateMiddle() == shut);

    PartyCmdOrders orders(*g_partyMgr);
    for (const bool open : {true, false}) {
        SCOPED_TRACE(open);
        ASSERT_TRUE(orders.Open(Leader(), gate));
        for (int frame = 0; frame < 300 && gate->GetMapObject().IsOpen() != open; ++frame)
            Frame();
        ASSERT_EQ(gate->GetMapObject().IsOpen(), open);
        Frame();
        EXPECT_EQ(gateMiddle() == shut, !open);
        EXPECT_TRUE(beside() == drawn);
    }
}

} // namespace
