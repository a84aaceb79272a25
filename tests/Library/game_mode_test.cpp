#include "Library/game_mode.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

TEST(GameMode, PathsHangOffTheRoot) {
    GameMode gameMode;
    char cwd[4096];
    ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
    EXPECT_STREQ(gameMode.GetRootDir().c_str(), cwd);
    EXPECT_FALSE(gameMode.GetUseResourceFiles());

    gameMode.BuildPaths("/games/Vault/"); // a trailing '/' is dropped
    EXPECT_STREQ(gameMode.GetRootDir().c_str(), "/games/Vault");
    EXPECT_STREQ(gameMode.GetGeneralResPath().c_str(), "/games/Vault/general.rsc");
    EXPECT_STREQ(gameMode.GetAnimationResPath().c_str(), "/games/Vault/animation.rsc");
    EXPECT_STREQ(gameMode.GetAnimDir().c_str(), "/games/Vault/art/anim");
    EXPECT_STREQ(gameMode.GetTileMapDir().c_str(), "/games/Vault/Data/TileMap");
    EXPECT_STREQ(gameMode.Get2DArrayDir().c_str(), "/games/Vault/Data/2DArray");
    EXPECT_STREQ(gameMode.GetScriptDir().c_str(), "/games/Vault/Script");
    EXPECT_STREQ(gameMode.GetEntityDir(3).c_str(), "/games/Vault/Data/Entity/Soldier");
    EXPECT_STREQ(gameMode.GetEntityDir(11).c_str(), "/games/Vault/Data/Entity/Town");
    EXPECT_STREQ(gameMode.GetEntityDir(2).c_str(), "");
    EXPECT_STREQ(gameMode.GetEntityDir(12).c_str(), "");
    EXPECT_STREQ(gameMode.GetEntityDir(-1).c_str(), "");
}

TEST(GameMode, MakePathStripsOnlyAWholeRootPrefix) {
    GameMode gameMode;
    gameMode.BuildPaths("/games/Vault");
    const auto made = [&](const char* path) {
        return std::string(gameMode.MakePath(path).c_str());
    };
    EXPECT_EQ(made("/games/Vault/Data/TileMap/Town.MAP"), "data/tilemap/town.map");
    EXPECT_EQ(made("/GAMES/vault/art/anim/Mouse/pointer.ani"), "art/anim/mouse/pointer.ani");
    EXPECT_EQ(made("\\games\\Vault\\Script\\A.scr"), "script/a.scr");
    EXPECT_EQ(made("Data/TileMap/Town.map"), "data/tilemap/town.map"); // already relative
    // A longer directory that merely begins with the root's text keeps its name.
    EXPECT_EQ(made("/games/Vault2/data/x.dat"), "/games/vault2/data/x.dat");
    EXPECT_EQ(made("/games"), "/games");
    EXPECT_EQ(made("/games/Vault"), "/games/vault");
    EXPECT_EQ(made(""), "");
}

} // namespace
