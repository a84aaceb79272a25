#pragma once
// The demo world's story page "demo_page", which tells of the way to the vault and sends
// the party through the gate when the player presses 1, and the two description scripts
// of the character screens.

#include "tools/scriptbuilder/script_builder.h"

constexpr const char* kStoryPageName = "demo_page";
constexpr const char* kStoryPageEntry = "gate"; // where the page's choice leads on the demo map

ScriptBuilder StoryPageScript();
ScriptBuilder StatDescriptionScript(); // "game_stat_desc"
ScriptBuilder CharDescriptionScript(); // "game_char_desc"
