// Started by the save fault tests with a demo world's root: runs the game onto the demo map
// and then either saves (slot 3, then the empty slot 5, from the second map) or travels to
// the second map, with the file calls from there on counted. "kill K" ends the process at the
// K-th call, "fail K" fails that call as a full disk would, "count 0" lets every call through.
// Prints "steps N outcome" when it lives to the end.
#include "Library/core/tick_source.h"
#include "Library/world/game_mode.h"
#include "Source/loops.h"
#include "Source/main.h"
#include "Source/world/load_save_mgr.h"
#include "Source/world/party_mgr.h"
#include "platform/file_steps.h"
#include "platform/win_rand.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

class FrameClock : public TickSource {
public:
    uint32_t GetTicks() override { return now; }
    uint32_t now = 100000;
};

FrameClock g_clock;
int g_steps = 0;
int g_cut = 0;
bool g_kill = false;

bool CountStep(platform::FileStep) {
    ++g_steps;
    if (g_steps != g_cut)
        return true;
    if (g_kill)
        raise(SIGKILL);
    return false;
}

void Frame() {
    g_clock.now += 33;
    Main::RunFrame();
}

bool Request(void (*request)()) {
    request();
    Frame();
    return !g_loadSaveMgr->IsShowingErrorBox();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5 || chdir(argv[1]) != 0) {
        std::fprintf(stderr, "usage: save_faults_child DATA_ROOT save|travel kill|fail|count K\n");
        return 2;
    }
    const bool save = std::strcmp(argv[2], "save") == 0;
    g_kill = std::strcmp(argv[3], "kill") == 0;
    g_cut = std::atoi(argv[4]);
    if (!Main::Init(0, 16, 0.0))
        return 3;
    platform::SeedRand(1); // every run makes the same save, byte for byte
    Loops::SetUp();
    g_gameMode->SetTickSource(g_clock);
    Frame();
    if (!g_partyMgr->AddCharacterByName("if_idyl_player_tutorial") ||
        !Request([] { g_loadSaveMgr->RequestPageToMap("demo", "gate"); }))
        return 3;
    if (save && !Request([] { g_loadSaveMgr->RequestMapToMap("demo2", "road"); }))
        return 3;

    platform::SetFileStepHook(CountStep);
    bool done = true;
    if (save) {
        done = Request([] { g_loadSaveMgr->RequestSaveGame(3, "new"); }) &&
               g_loadSaveMgr->SlotExists(3) && g_loadSaveMgr->GetSlotDescription(3) == "new";
        done = Request([] { g_loadSaveMgr->RequestSaveGame(5, "new"); }) && done &&
               g_loadSaveMgr->GetSlotDescription(5) == "new";
    } else {
        done = Request([] { g_loadSaveMgr->RequestMapToMap("demo2", "road"); }) &&
               g_loadSaveMgr->GetMapName() == "demo2";
    }
    platform::SetFileStepHook(nullptr);
    std::printf("steps %d %s\n", g_steps, done ? "done" : "failed");
    std::fflush(stdout);
    _exit(0); // what a cut left on disk is what the next start finds
}
