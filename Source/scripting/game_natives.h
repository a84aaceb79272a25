#pragma once
// Every native of the game. Each family of natives has a file of its own with one
// registration function, listed here and called once when the table is first used.

class NativeTable;

const NativeTable& GetGameNatives();

// The creature functions that scripts reach (creature_natives.cpp).
void RegisterCreatureNatives(NativeTable& table);

// The conditions, by what they ask about.
void RegisterCreatureConditions(NativeTable& table); // creature_conditions.cpp
void RegisterEntityConditions(NativeTable& table);   // entity_conditions.cpp
void RegisterPartyConditions(NativeTable& table);    // party_conditions.cpp
void RegisterWorldConditions(NativeTable& table);    // world_conditions.cpp
void RegisterDialogueConditions(NativeTable& table); // dialogue_conditions.cpp
