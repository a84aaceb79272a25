// The program: start-up, the game's set-up, the main loop, shutdown. It takes no
// arguments; the data root is the working directory.
#include "Source/main.h"

#include "Source/loops.h"

int main(int, char**) {
    const bool started = Main::Init(SDL_FULLSCREEN, 16, 0.0);
    if (started) {
        Loops::SetUp();
        Main::Loop();
    }
    Main::Shutdown();
    SDL_Quit();
    return started ? 0 : 1;
}
