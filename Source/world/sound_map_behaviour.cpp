#include "Source/world/sound_map_behaviour.h"

#include "Library/sound/sound_mgr.h"

bool SoundMapBehaviour::Update() {
    if (GetState() != kStart)
        return false;
    SetState(kEnd);
    if (m_sound)
        m_sound->PlaySample(m_name.c_str(), 1, 255, &m_position, nullptr);
    return false;
}
