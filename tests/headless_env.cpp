// Every test program runs headless, however it is started: the dummy drivers unless the
// caller chose others.
#include <cstdlib>

namespace {

struct HeadlessDrivers {
    HeadlessDrivers() {
        ::setenv("SDL_VIDEODRIVER", "dummy", 0);
        ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    }
} g_headlessDrivers;

} // namespace
