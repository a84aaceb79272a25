#include "Source/world/map_behaviour.h"

#include "Library/core/tracked_new.h"
#include "Library/graphics/screen.h"
#include "Source/world/music_map_behaviour.h"
#include "Source/world/sound_map_behaviour.h"
#include "Source/world/wait_map_behaviour.h"

namespace {

const char* const kStateNames[] = {"START", "WAITING", "END"};

} // namespace

std::unique_ptr<MapBehaviour> MapBehaviour::Create(uint32_t kind, const Argument& argument,
                                                   SoundMgr* const& sound) {
    MapBehaviour* made = nullptr;
    switch (kind) {
    case kNone:
        made = NEW MapBehaviour();
        break;
    case kWait:
        made = NEW WaitMapBehaviour(argument.ticks);
        break;
    case kSound:
        made = NEW SoundMapBehaviour(argument.name, argument.position, sound);
        break;
    case kMusic:
        made = NEW MusicMapBehaviour(argument.name, sound);
        break;
    default:
        break;
    }
    return std::unique_ptr<MapBehaviour>(made);
}

bool MapBehaviour::Update() {
    m_state = kEnd;
    return false;
}

void MapBehaviour::DrawDebug(int x, int y, Screen& screen) const {
    if (m_kind == kNone)
        screen.DrawText(x, y, "NONE");
    screen.DrawText(x, y + 20, kStateNames[m_state]);
}
