#pragma once
// The program's start-up, main loop and shutdown. Start-up makes the engine singletons in a
// fixed order, writing "*debug* 1" to "*debug* 8" to standard error as it goes, so the last
// line tells how far it came; the loop runs frames until a quit is asked for.

#include <SDL/SDL.h>

#include <cstdint>

namespace Main {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kSoundChannels = 32;

// The video flags, bits per pixel and gamma go to the Screen unchanged.
bool Init(uint32_t videoFlags, int bpp, double gamma);
int Loop();      // frames until g_quit; 0
void RunFrame(); // one pass: events, clocks, update, interface, drawing
void HandleEvent(const SDL_Event& event);
void Quit();     // the loop ends after the current frame
void Shutdown(); // deletes whatever start-up and set-up made

} // namespace Main

extern bool g_quit; // one-way within a run: set by a quit event or Main::Quit
