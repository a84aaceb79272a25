#pragma once
// Starts a music stream.

#include "Source/world/map_behaviour.h"

class MusicMapBehaviour : public MapBehaviour {
public:
    MusicMapBehaviour(const Stringc& name, SoundMgr* const& sound)
        : MapBehaviour(kMusic), m_name(name), m_sound(sound) {}

    bool Update() override;

private:
    Stringc m_name;
    SoundMgr* const& m_sound;
};
