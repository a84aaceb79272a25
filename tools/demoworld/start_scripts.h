#pragma once
// The scripts a new game and the tutorial start with, "game_init" and "game_init_tutorial":
// on the start event each opens the demo's story page, whose choice leads to the demo map;
// the tutorial's also writes how to play into the tutorial panel and notes that the panel
// shows, for the gate's script that puts it away.

#include "Library/core/stringc.h"

class StartScripts {
public:
    static constexpr const char* kNewGame = "game_init";
    static constexpr const char* kTutorial = "game_init_tutorial";

    explicit StartScripts(const Stringc& scriptDirectory) : m_directory(scriptDirectory) {}

    bool Write() const; // false, with a message, when a script cannot be written

private:
    bool WriteScript(const char* name) const;

    Stringc m_directory;
};
