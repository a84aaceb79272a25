#pragma once
// The description scripts of the character and new-game screens: "game_stat_desc" runs
// while such a screen shows and is told which area of the sheet the pointer entered;
// "game_char_desc" runs once.

// Loads and starts the stat description script for a sheet whose top-left is at x, y and
// lays out its hover areas there. Nothing more when the script cannot be loaded.
void RunStatDescScript(int x, int y);
// The area under the pointer told to the script, unless it is the one told last: true when
// one was told. The areas that overlap report the one the pointer is already in.
bool UpdateStatDescHover();
void FreeStatDescScript();
// Loads the character description script, starts it once and lets it go.
void RunCharDescScript();
