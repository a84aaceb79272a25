#pragma once
// SIGINT and SIGTERM as a request to quit. SDL's own handler posts its quit event from
// inside the signal, taking the event queue's lock, and hangs for good when the signal
// lands while the game holds that lock polling events; this handler only raises a flag.

namespace platform {

void CatchQuitSignals();   // after SDL_Init, which installs SDL's handler
void ReleaseQuitSignals(); // back to the default: the signals end the program
bool TakeQuitSignal();     // true once per signal caught since the last call

} // namespace platform
