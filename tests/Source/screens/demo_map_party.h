#pragma once
// The running game on the demo map, entered by hand: the tutorial's character as the party,
// the view on it, the area map's play screen.

#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/entities/entity.h"
#include "Source/real_game.h"
#include "Source/world/party_mgr.h"
#include "Source/world/region_mgr.h"

#include <gtest/gtest.h>

namespace testsupport {

class DemoMapParty : public RealGame {
protected:
    void SetUp() override {
        RealGame::SetUp();
        ASSERT_TRUE(g_tileMap->Load("demo"));
        ASSERT_TRUE(g_regionMgr->LoadRegFile("demo", nullptr));
        ASSERT_TRUE(g_partyMgr->AddCharacterByName("if_idyl_player_tutorial"));
        g_tileMap->CentreViewOn(g_partyMgr->GetLeader()->GetPosition());
        g_gameMode->SetMode(kModeAreaMap);
        Frames(2);
    }
};

} // namespace testsupport
