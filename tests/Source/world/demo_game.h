#pragma once
// The running game on the demo world, its party the tutorial's character alone, brought to
// the demo map's gate by a transition.

#include "Library/interface/info_panel.h"
#include "Library/interface/text_block.h"
#include "Library/world/game_mode.h"
#include "Source/loops.h"
#include "Source/real_game.h"
#include "Source/world/info_panels.h"
#include "Source/world/load_save_mgr.h"
#include "Source/world/party_mgr.h"

#include <gtest/gtest.h>

#include <string>

namespace testsupport {

class DemoGame : public RealGame {
protected:
    static constexpr const char* kCharacter = "if_idyl_player_tutorial";

    void SetUp() override {
        RealGame::SetUp();
        Frame(); // the title menu
    }
    void StartOnDemoMap() {
        ASSERT_TRUE(g_partyMgr->AddCharacterByName(kCharacter));
        g_loadSaveMgr->RequestPageToMap("demo", "gate");
        Frame();
        ASSERT_EQ(Mode(), kModeAreaMap);
    }
    static SoldierEntity* Leader() { return g_partyMgr->GetLeaderSoldier(); }
    static int MessageCount() { return g_hudMessages->GetWindow().GetBlockCount(); }
    static std::string LastMessage() {
        const int count = MessageCount();
        return count > 0 ? g_hudMessages->GetWindow().GetBlock(count - 1).GetText().c_str() : "";
    }
};

} // namespace testsupport
