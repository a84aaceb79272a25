// Saves and map transitions cut at every file call, by a killed process or a full disk: the
// game started again on what was left finds every slot whole, either the old save or the
// new one, and reads no working file of the run that was cut.
#include "Source/world/demo_game.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace testsupport;
namespace fs = std::filesystem;

struct ChildRun {
    bool killed = false;
    int steps = 0;
};

// Every step of a run is cut: each file is written in one call, so a save is a few dozen
// steps on the disk, not one for each field it writes.
constexpr int kMostSteps = 100;

class SaveFaults : public DemoGame {
protected:
    using Files = std::map<std::string, std::string>; // name: bytes

    ChildRun RunChild(const char* action, const char* mode, int step) const {
        const std::string command = "exec " + std::string(TEST_CHILD_DIR) + "/save_faults_child " +
                                    World().Root() + " " + action + " " + mode + " " +
                                    std::to_string(step) + " 2>/dev/null";
        FILE* pipe = popen(command.c_str(), "r");
        ChildRun run;
        std::string output;
        char chunk[4096];
        for (size_t got; pipe && (got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;)
            output.append(chunk, got);
        const size_t line = output.find("steps ");
        std::string outcome;
        const bool printed = line != std::string::npos &&
                             (std::istringstream(output.substr(line + 6)) >> run.steps >> outcome);
        const int status = pipe ? pclose(pipe) : -1;
        run.killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
        EXPECT_TRUE(run.killed || (printed && WIFEXITED(status) && WEXITSTATUS(status) == 0))
            << action << " " << mode << " " << step << " status " << status;
        return run;
    }
    Files FilesIn(const std::string& directory) const {
        Files files;
        const fs::path path = World().Path("SaveGame/" + directory);
        if (fs::exists(path))
            for (const auto& entry : fs::directory_iterator(path))
                if (entry.is_regular_file())
                    files[entry.path().filename().string()] = World().ReadFile(
                        "SaveGame/" + directory + "/" + entry.path().filename().string());
        return files;
    }
    // The save directory as the test left it, put back before each cut run.
    void Keep() const {
        fs::remove_all(Kept());
        fs::copy(World().Path("SaveGame"), Kept(), fs::copy_options::recursive);
    }
    void PutBack() const {
        fs::remove_all(World().Path("SaveGame"));
        fs::copy(Kept(), World().Path("SaveGame"), fs::copy_options::recursive);
    }
    std::string Kept() const { return World().Path("SaveGame.kept"); }

    // Started again: no working file of the run that was cut is left to be read; each slot's
    // files as the game finds them; a slot that holds a save loads it and brings only its own.
    std::map<int, Files> SlotsAfterRestart(std::initializer_list<int> slots) {
        Start();
        Frame();
        for (const auto& file : FilesIn("")) {
            EXPECT_NE(fs::path(file.first).extension(), ".tmp") << file.first;
            EXPECT_NE(fs::path(file.first).stem().extension(), ".tmp") << file.first;
        }
        std::map<int, Files> found;
        for (const int slot : slots) {
            char directory[8];
            std::snprintf(directory, sizeof directory, "slot%02d", slot);
            const bool exists = g_loadSaveMgr->SlotExists(slot);
            found[slot] = FilesIn(directory);
            if (!exists)
                continue;
            g_loadSaveMgr->RequestLoadGame(slot);
            Frame();
            EXPECT_EQ(Mode(), kModeAreaMap) << directory;
            EXPECT_FALSE(g_loadSaveMgr->IsShowingErrorBox()) << directory;
            Files working;
            for (const auto& file : FilesIn(""))
                if (fs::path(file.first).extension() == ".tmp")
                    working[fs::path(file.first).stem().string() + ".sav"] = file.second;
            EXPECT_EQ(working, found[slot]) << directory << ": the working files are the slot's";
        }
        Stop();
        return found;
    }

    // Every cut of the two saves, the first over the old save in slot 3, the second into the
    // empty slot 5: each slot holds its old state or the new save, and after a kill slot 5 is
    // never newer than slot 3 (a full disk fails one save and lets the next go through).
    void CutEverySaveStep(const char* mode) {
        StartOnDemoMap();
        g_loadSaveMgr->RequestSaveGame(3, "old");
        Frame();
        Stop();
        const Files old3 = FilesIn("slot03");
        ASSERT_EQ(old3.count("plrdata.sav"), 1u);
        Keep();
        const ChildRun whole = RunChild("save", "count", 0);
        const Files new3 = FilesIn("slot03");
        const Files new5 = FilesIn("slot05");
        ASSERT_EQ(new3.count("demo2.sav"), 1u);
        ASSERT_NE(new3, old3);
        ASSERT_GT(whole.steps, 4);
        ASSERT_LT(whole.steps, kMostSteps);
        for (int step = 1; step <= whole.steps; ++step) {
            PutBack();
            const ChildRun cut = RunChild("save", mode, step);
            const bool killed = std::string(mode) == "kill";
            EXPECT_EQ(cut.killed, killed) << step;
            std::map<int, Files> slots = SlotsAfterRestart({3, 5});
            const Files& slot3 = slots[3];
            const Files& slot5 = slots[5];
            EXPECT_TRUE(slot3 == old3 || slot3 == new3) << mode << " at step " << step;
            EXPECT_TRUE(slot5.empty() || slot5 == new5) << mode << " at step " << step;
            EXPECT_TRUE(slot5.empty() || slot3 == new3 || !killed) << mode << " at step " << step;
            if (HasFailure())
                return;
        }
    }
};

TEST_F(SaveFaults, AKillAtAnyStepOfASaveLeavesEachSlotOldOrNewAndLoadable) {
    CutEverySaveStep("kill");
}

TEST_F(SaveFaults, AFullDiskAtAnyStepOfASaveLeavesEachSlotOldOrNewAndLoadable) {
    CutEverySaveStep("fail");
}

// The working files of a killed transition are cleared at the next start, so a slot loaded
// then brings only its own.
TEST_F(SaveFaults, AKillAtAnyStepOfATransitionLeavesNoWorkingFileAndEverySlotLoads) {
    StartOnDemoMap();
    g_loadSaveMgr->RequestSaveGame(3, "at the gate");
    Frame();
    g_loadSaveMgr->RequestMapToMap("demo2", "road");
    Frame();
    g_loadSaveMgr->RequestSaveGame(4, "on the road");
    Frame();
    Stop();
    Keep();
    const ChildRun whole = RunChild("travel", "count", 0);
    ASSERT_GT(whole.steps, 2);
    ASSERT_LT(whole.steps, kMostSteps);
    for (int step = 1; step <= whole.steps; ++step) {
        PutBack();
        EXPECT_TRUE(RunChild("travel", "kill", step).killed) << step;
        std::map<int, Files> slots = SlotsAfterRestart({3, 4});
        EXPECT_EQ(slots[3].count("plrdata.sav"), 1u) << step;
        EXPECT_EQ(slots[4].count("demo2.sav"), 1u) << step;
        if (HasFailure())
            return;
    }
}

// A write cut short leaves its temporary beside the working file it was to replace; the
// next start clears those with the working files and leaves every other name alone.
TEST_F(SaveFaults, TheTemporariesOfWorkingFilesAreClearedAtTheNextStart) {
    StartOnDemoMap();
    g_loadSaveMgr->RequestSaveGame(3, "kept");
    Frame();
    Stop();
    World().WriteFile("SaveGame/plrdata.tmp.new", "cut");
    World().WriteFile("SaveGame/demo.tmp.new", "cut");
    World().WriteFile("SaveGame/notes.new", "not ours");
    const Files slot = FilesIn("slot03");
    Start();
    Frame();
    EXPECT_FALSE(fs::exists(World().Path("SaveGame/plrdata.tmp.new")));
    EXPECT_FALSE(fs::exists(World().Path("SaveGame/demo.tmp.new")));
    EXPECT_EQ(World().ReadFile("SaveGame/notes.new"), "not ours");
    EXPECT_EQ(FilesIn("slot03"), slot);
    Stop();
}

} // namespace
