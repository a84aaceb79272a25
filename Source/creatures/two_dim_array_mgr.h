#pragma once
// The game's rule tables, loaded once at set-up and freed at shutdown: "LightToHitMod.2DA"
// (content for the authors; no rule reads it yet) and "LevelProgression.2DA" (the experience
// each level needs, column "XP_REQUIRED").

#include "Library/core/stringc.h"

class TwoDimArray;

namespace TwoDimArrayMgr {

// The compiled tables from the table directory (or the archive); the old ones go first.
// True when "LevelProgression.2DA" loaded; a failed "LightToHitMod.2DA" stops before it.
bool LoadTables();
void FreeTables();
// Compiles every "*.2da" text table of the uncompiled data directory's "2DArray" folder
// into the table directory; false, with the file's name in failedName, at the first that
// does not compile.
bool CheckAll(Stringc& failedName);

} // namespace TwoDimArrayMgr

// Null before set-up loads them and after shutdown.
extern TwoDimArray* g_lightToHitModTable;
extern TwoDimArray* g_levelProgressionTable;
