#pragma once
// The demo world: a small data tree written with the game's own writers, then packed into
// "general.rsc" and "animation.rsc" as a release ships them. Each piece of content the game
// can show gets its writer here.

#include "Library/core/stringc.h"

#include <functional>

class DemoWorld {
public:
    explicit DemoWorld(const Stringc& root); // an absolute directory; made when missing

    bool Build(); // false, with a message, at the first piece that cannot be written

private:
    // Runs write with a scratch directory made for it and removed after.
    static bool WithScratchDirectory(const std::function<bool(const Stringc&)>& write);
    bool WriteFonts();
    bool WriteSounds();
    bool WriteCursor();
    bool WriteScripts();
    bool WriteTitleAndEditors();
    bool WriteMaps();
    bool WriteEntities();
    bool WriteCreatures();
    bool WriteMagic();
    bool WriteRuleTables();
    bool WriteRegions();
    bool PackArchives();
    bool EveryFileRecorded() const;

    Stringc m_root;
};
