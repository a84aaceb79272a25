#pragma once
// The game's frame driver: makes the game-wide managers once at set-up and deletes them at
// shutdown, makes and deletes the per-map objects and the page of the current game mode,
// and each frame runs the update, drawing and event handling of that mode.

#include <SDL/SDL.h>

class ModePages;
class ModeRecord;
class Screen;

namespace Loops {

void SetUp(); // after start-up; requests the title menu, shown from the first frame
void DeleteGlobals();

// The per-map objects, made anew around every map change and every editor.
void CreateSessionObjects();
void DeleteSessionObjects();

// The game's screens and editors by mode id; at set-up, which starts a new run.
void RegisterModePages();
void CreateModePages(const ModeRecord& mode);
void DeleteModePages();
ModePages& GetModePages(); // where the game's pages are made from

void UpdateFrame(Screen& screen);
void RenderFrame(Screen& screen);
void DrawMode(Screen& screen);
void HandleKey(const SDL_Event& event); // every event but quit, before the interface
// A debugging aid the frame does not call: frames a second of SDL ticks, drawn at x, y.
void DrawFrameRate(Screen& screen, int x, int y);

} // namespace Loops
