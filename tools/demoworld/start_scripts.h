#pragma once
// The scripts a new game and the tutorial start with, "game_init" and "game_init_tutorial":
// on the start event each asks for the journey from the title to the demo map, the party
// arriving at its gate.

#include "Library/core/stringc.h"

class StartScripts {
public:
    static constexpr const char* kNewGame = "game_init";
    static constexpr const char* kTutorial = "game_init_tutorial";
    static constexpr const char* kFirstEntry = "gate";

    explicit StartScripts(const Stringc& scriptDirectory) : m_directory(scriptDirectory) {}

    bool Write() const; // false, with a message, when a script cannot be written

private:
    bool WriteScript(const char* name) const;

    Stringc m_directory;
};
