#pragma once
// Every native of the game. Each family of natives has a file of its own with one
// registration function, listed here and called once when the table is first used.

class NativeTable;

const NativeTable& GetGameNatives();

// The creature functions that scripts reach (creature_natives.cpp).
void RegisterCreatureNatives(NativeTable& table);
