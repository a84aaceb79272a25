// Creatures standing still on a map just entered are placed on the screen and drawn in the
// same frame that brings them into view, so the pointer finds them.
#include "Library/geometry/map_view.h"
#include "Library/world/tile_map.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "Source/world/demo_game.h"

#include <gtest/gtest.h>

namespace {

using namespace testsupport;
using SoldierOnScreen = DemoGame;

TEST_F(SoldierOnScreen, AStandingCreatureOnAFreshMapIsDrawnAndFoundByThePointer) {
    StartOnDemoMap();
    auto* trader = static_cast<SoldierEntity*>(
        g_entityMgr->FindByName(Entity::kTypeSoldier, "trader"));
    ASSERT_NE(trader, nullptr);
    const Vector at = trader->GetPosition();
    Frames(5);
    EXPECT_EQ(trader->GetPosition(), at) << "she stands still";

    // Out of view, then back in view for a single frame with the pointer on her body.
    g_tileMap->CentreViewOn(at + Vector(0, 30, 0));
    Frame();
    g_tileMap->CentreViewOn(at);
    int x = 0, y = 0;
    WorldToPixel(*g_tileMap, at, x, y);
    MoveTo(x, y);
    const ScreenPos& rect = trader->GetScreenRect();
    EXPECT_GT(rect.x, 0);
    EXPECT_LT(rect.x, 800);
    EXPECT_GT(rect.y, 0);
    EXPECT_LT(rect.y, 600);
    EXPECT_TRUE(trader->HasAnyFlag(Entity::kFlagMouseOver));
}

} // namespace
