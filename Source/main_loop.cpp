// The main loop and the event dispatch.
#include "Source/main.h"

#include "Library/graphics/screen.h"
#include "Library/interface/interface.h"
#include "Library/interface/mouse_position.h"
#include "Library/world/game_mode.h"
#include "Source/loops.h"
#include "platform/quit_signal.h"

bool g_quit = false;

int Main::Loop() {
    while (!g_quit)
        RunFrame();
    return 0;
}

// No frame limiter: the game mode caps the frame time instead.
void Main::RunFrame() {
    SDL_Event event;
    if (platform::TakeQuitSignal()) {
        event.type = SDL_QUIT;
        SDL_PushEvent(&event);
    }
    while (SDL_PollEvent(&event))
        HandleEvent(event);
    g_gameMode->UpdateFrameTime();
    g_gameMode->UpdateBlink();
    g_gameMode->UpdatePulse();
    g_gameMode->UpdatePulse2();
    Loops::UpdateFrame(*g_screen);
    g_interface->Update(g_gameMode->GetBlink());
    Loops::RenderFrame(*g_screen);
}

void Main::HandleEvent(const SDL_Event& event) {
    if (event.type == SDL_QUIT) {
        g_quit = true;
        return;
    }
    if (event.type == SDL_MOUSEMOTION) {
        g_mouseX = event.motion.x;
        g_mouseY = event.motion.y;
    }
    Loops::HandleKey(event);
    g_interface->HandleEvent(event);
}

void Main::Quit() {
    g_quit = true;
}
