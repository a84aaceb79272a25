// Start-up and shutdown.
#include "Source/main.h"

#include "Library/core/struct.h"
#include "Library/core/tracked_new.h"
#include "Library/files/res_file_mgr.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/screen.h"
#include "Library/interface/interface.h"
#include "Library/sound/sound_mgr.h"
#include "Library/world/game_mode.h"
#include "Source/loops.h"
#include "platform/quit_signal.h"
#include "platform/win_io.h"
#include "platform/win_rand.h"

#include <cstdio>
#include <ctime>

namespace {

void PrintProgress(int step) {
    std::fprintf(stderr, "*debug* %d\n", step);
}

bool OpenArchive(ResFileMgr*& archive, const Stringc& path) {
    archive = NEW ResFileMgr;
    return archive->Open(path.c_str(), ResFileMgr::kRead);
}

} // namespace

bool Main::Init(uint32_t videoFlags, int bpp, double gamma) {
    g_quit = false;
    platform::SeedRand(static_cast<unsigned>(std::time(nullptr)));
    PrintProgress(1);
    if (!Graphic::InitScratch())
        return false;
    PrintProgress(2);
    g_soundMgr = NEW SoundMgr(kSoundChannels);
    PrintProgress(3);
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "Unable to init SDL: %s\n", SDL_GetError());
        return false;
    }
    platform::CatchQuitSignals(); // they still arrive as SDL's quit event
    PrintProgress(4);
    SDL_EnableUNICODE(1);
    SDL_ShowCursor(SDL_DISABLE); // the game draws its own
    g_screen = NEW Screen(kScreenWidth, kScreenHeight, videoFlags, bpp, gamma);
    if (!g_screen->IsReady())
        return false;
    PrintProgress(5);
    // After the screen: the game mode takes its size.
    g_gameMode = NEW GameMode;
    g_dataPaths = &g_gameMode->Paths();
    g_gameMode->InvalidateScreen();
    g_gameMode->SetUseResourceFiles(true);
    if (!OpenArchive(g_generalRes, g_gameMode->GetGeneralResPath()))
        return false;
    PrintProgress(6);
    if (!OpenArchive(g_animationRes, g_gameMode->GetAnimationResPath()))
        return false;
    PrintProgress(7);
    if (!g_screen->OpenFonts())
        return false;
    PrintProgress(8);
    g_interface = NEW Interface;
    return true;
}

void Main::Shutdown() {
    if (g_gameMode)
        _chdir(g_gameMode->GetRootDir().c_str());
    Loops::DeleteGlobals();
    ReleaseObject(g_interface);
    g_dataPaths = nullptr;
    ReleaseObject(g_gameMode);
    ReleaseObject(g_generalRes);
    ReleaseObject(g_animationRes);
    ReleaseObject(g_screen);
    ReleaseObject(g_soundMgr);
    Graphic::FreeScratch();
    platform::ReleaseQuitSignals();
}
