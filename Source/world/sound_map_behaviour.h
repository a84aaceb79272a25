#pragma once
// Plays a sound effect once at a place of the map.

#include "Source/world/map_behaviour.h"

class SoundMapBehaviour : public MapBehaviour {
public:
    SoundMapBehaviour(const Stringc& name, const Vector& position, SoundMgr* const& sound)
        : MapBehaviour(kSound), m_name(name), m_position(position), m_sound(sound) {}

    bool Update() override;

private:
    Stringc m_name;
    Vector m_position;
    SoundMgr* const& m_sound;
};
