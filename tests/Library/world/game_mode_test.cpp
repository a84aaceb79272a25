#include "Library/world/game_mode.h"

#include "Library/core/tick_source.h"
#include "Library/world/mode_page_factory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(GameMode, PathsHangOffTheRoot) {
    GameMode gameMode;
    gameMode.BuildPaths("/games/Vault/"); // a trailing '/' is dropped
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

class RecordingPages : public ModePageFactory {
public:
    void DeleteModePages() override { calls.push_back("delete pages"); }
    void CreateModePages(const ModeRecord& mode) override {
        calls.push_back("create " + std::to_string(mode.GetId()));
    }
    void DeleteSessionObjects() override { calls.push_back("delete session"); }
    void CreateSessionObjects() override { calls.push_back("create session"); }

    std::vector<std::string> calls;
};

using Calls = std::vector<std::string>;

TEST(GameMode, RequestsApplyOncePerFrameAndTheLastWins) {
    GameMode gameMode;
    RecordingPages pages;
    gameMode.SetPageFactory(&pages);
    EXPECT_EQ(gameMode.GetModeId(), kModeNone);
    EXPECT_EQ(gameMode.ApplyPendingMode(), GameMode::kModeUnchanged);

    gameMode.SetMode(kModeTitleMenu);
    gameMode.SetMode(kModeCredits, 5);
    EXPECT_EQ(gameMode.GetModeId(), kModeNone); // the old page stays until the frame applies
    EXPECT_EQ(gameMode.ApplyPendingMode(), GameMode::kModeChanged);
    EXPECT_EQ(pages.calls, (Calls{"delete pages", "create 8"}));
    EXPECT_EQ(gameMode.GetCurrentMode().GetArg(0), 5);

    // The same id with other arguments is not a change, on this frame or later ones.
    gameMode.SetMode(kModeCredits, 9);
    EXPECT_EQ(gameMode.ApplyPendingMode(), GameMode::kModeUnchanged);
    EXPECT_EQ(gameMode.ApplyPendingMode(), GameMode::kModeUnchanged);
    EXPECT_EQ(gameMode.GetCurrentMode().GetArg(0), 5);
    EXPECT_EQ(pages.calls.size(), 2u);
}

TEST(GameMode, EditorsRebuildTheSessionAndUnknownIdsMakeNoPage) {
    GameMode gameMode;
    RecordingPages pages;
    gameMode.SetPageFactory(&pages);
    gameMode.SetMode(kModeMapEditor);
    EXPECT_EQ(gameMode.ApplyPendingMode(), GameMode::kModeChangedWithSession);
    EXPECT_EQ(pages.calls,
              (Calls{"delete pages", "delete session", "create session", "create 26"}));

    pages.calls.clear();
    gameMode.SetMode(40);
    EXPECT_EQ(gameMode.ApplyPendingMode(), GameMode::kModeUnchanged);
    EXPECT_EQ(gameMode.GetModeId(), 40); // current, with nothing made or deleted
    EXPECT_TRUE(pages.calls.empty());
    gameMode.SetMode(kModeTitleMenu);
    EXPECT_EQ(gameMode.ApplyPendingMode(), GameMode::kModeChanged);
    EXPECT_EQ(pages.calls, (Calls{"delete pages", "create 1"}));
}

// An editor saves loose files and must load them back; play reads only the archives.
TEST(GameMode, EditorsReadTheLooseTreeWhilePlayKeepsTheArchives) {
    GameMode gameMode;
    RecordingPages pages;
    gameMode.SetPageFactory(&pages);
    gameMode.SetUseResourceFiles(true);
    for (const int editor : {kModeAnimationEditor, kModeGraphicOffsetEditor, kModeMapEditor}) {
        gameMode.SetMode(editor);
        gameMode.ApplyPendingMode();
        EXPECT_FALSE(gameMode.GetUseResourceFiles()) << editor;
        gameMode.SetMode(kModeEditorMenu);
        gameMode.ApplyPendingMode();
        EXPECT_TRUE(gameMode.GetUseResourceFiles()) << editor;
    }
    gameMode.SetUseResourceFiles(false);
    gameMode.SetMode(kModeAreaMap);
    gameMode.ApplyPendingMode();
    EXPECT_FALSE(gameMode.GetUseResourceFiles());
}

TEST(GameMode, ARecordCarriesPointersWhole) {
    // Above 4 GiB on 64-bit: a 32-bit field would drop the high half.
    int* const entity = reinterpret_cast<int*>(static_cast<uintptr_t>(0x7fedcba987654320ull));
    ModeRecord record(kModeTrade, 1, ModeRecord::ToArg(entity), 3, 4);
    record.SetEntity(entity);
    record.SetName("Merchant");
    GameMode gameMode;
    gameMode.SetModeFromRecord(record);
    gameMode.ApplyPendingMode();
    const ModeRecord& current = gameMode.GetCurrentMode();
    EXPECT_EQ(current.GetEntity<int>(), entity);
    EXPECT_EQ(current.GetArgObject<int>(1), entity);
    EXPECT_EQ(current.GetArg(2), 3);
    EXPECT_EQ(current.GetArg(4), 0);
    EXPECT_STREQ(current.GetName().c_str(), "Merchant");
}

class StepClock : public TickSource {
public:
    uint32_t GetTicks() override { return now; }
    uint32_t now = 0;
};

TEST(GameMode, PulsesSwingBetweenTheirBoundsOneStepAFrame) {
    GameMode gameMode;
    StepClock clock;
    gameMode.SetTickSource(clock);
    std::vector<int> pulse;
    std::vector<int> pulse2;
    for (int frame = 0; frame < 30; ++frame) {
        clock.now += 1000; // long frames: capped, one step each all the same
        gameMode.UpdateFrameTime();
        gameMode.UpdatePulse();
        gameMode.UpdatePulse2();
        pulse.push_back(gameMode.GetPulse());
        pulse2.push_back(gameMode.GetPulse2());
    }
    EXPECT_EQ(std::vector<int>(pulse.begin(), pulse.begin() + 16),
              (std::vector<int>{148, 168, 188, 208, 228, 248, 255, 235, 215, 195, 175, 155, 135,
                                128, 148, 168}));
    EXPECT_EQ(std::vector<int>(pulse2.begin(), pulse2.begin() + 21),
              (std::vector<int>{71,  78,  85,  92, 99, 106, 113, 120, 127, 128, 121,
                                114, 107, 100, 93, 86, 79,  72,  65,  64,  71}));
}

} // namespace
