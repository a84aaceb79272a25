// The program: start-up, the game's set-up, the main loop, shutdown. It takes no
// arguments; the data root is the working directory.
#include "Source/main.h"

#include "Source/loops.h"

#ifdef VAULTANE_LIVE_BYTES
#include "Library/core/mem_tracker.h"

#include <cstdio>

namespace {

// The sanitized build tells the soak run how much the debug allocator holds, once a minute.
void LoopTellingLiveBytes() {
    constexpr Uint32 kMinuteMs = 60000;
    Uint32 next = SDL_GetTicks() + kMinuteMs;
    while (!g_quit) {
        Main::RunFrame();
        if (SDL_GetTicks() < next)
            continue;
        next += kMinuteMs;
        std::fprintf(stderr, "live bytes %zu\n", MemGetStats().m_totalReportedMemory);
    }
}

} // namespace
#endif

int main(int, char**) {
    const bool started = Main::Init(SDL_FULLSCREEN, 16, 0.0);
    if (started) {
        Loops::SetUp();
#ifdef VAULTANE_LIVE_BYTES
        LoopTellingLiveBytes();
#else
        Main::Loop();
#endif
    }
    Main::Shutdown();
    SDL_Quit();
    return started ? 0 : 1;
}
