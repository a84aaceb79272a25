#include "Library/core/tick_source.h"

#include <SDL/SDL.h>

namespace {

class SdlTickSource : public TickSource {
public:
    uint32_t GetTicks() override { return SDL_GetTicks(); }
};

} // namespace

TickSource& TickSource::Sdl() {
    static SdlTickSource source;
    return source;
}
