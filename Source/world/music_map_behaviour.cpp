#include "Source/world/music_map_behaviour.h"

#include "Library/sound/sound_mgr.h"

bool MusicMapBehaviour::Update() {
    if (GetState() != kStart)
        return false;
    SetState(kEnd);
    if (m_sound)
        m_sound->PlayStream(m_name.c_str(), 2, 255, nullptr, nullptr);
    return false;
}
