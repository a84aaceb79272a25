#include "Library/game_mode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(GameMode, PathsHangOffTheRoot) {
    GameMode gameMode;
    EXPECT_FALSE(gameMode.GetUseResourceFiles());
    gameMode.BuildPaths("/games/Vault/"); // a trailing '/' is dropped
    EXPECT_STREQ(gameMode.GetGeneralResPath().c_str(), "/games/Vault/general.rsc");
    EXPECT_STREQ(gameMode.GetAnimDir().c_str(), "/games/Vault/art/anim");
    EXPECT_STREQ(gameMode.GetTileMapDir().c_str(), "/games/Vault/Data/TileMap");
    EXPECT_STREQ(gameMode.GetEntityDir(3).c_str(), "/games/Vault/Data/Entity/Soldier");
    EXPECT_STREQ(gameMode.GetEntityDir(2).c_str(), "");
    EXPECT_STREQ(gameMode.GetEntityDir(12).c_str(), "");
}

TEST(GameMode, MakePathStripsOnlyAWholeRootPrefix) {
    GameMode gameMode;
    gameMode.BuildPaths("/games/Vault");
    const auto made = [&](const char* path) {
        return std::string(gameMode.MakePath(path).c_str());
    };
    EXPECT_EQ(made("/GAMES/vault/Data/TileMap/Town.MAP"), "data/tilemap/town.map");
    EXPECT_EQ(made("\\games\\Vault\\Script\\A.scr"), "script/a.scr");
    EXPECT_EQ(made("Data/TileMap/Town.map"), "data/tilemap/town.map");
    // A directory whose name merely begins with the root's text is not under it.
    EXPECT_EQ(made("/games/Vault2/data/x.dat"), "/games/vault2/data/x.dat");
    EXPECT_EQ(made("/games/Vault"), "/games/vault");
}

} // namespace
