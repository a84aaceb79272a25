#pragma once
// Every native of the game. Each family of natives has a file of its own with one
// registration function, listed here and called once when the table is first used.

class NativeTable;

const NativeTable& GetGameNatives();

// The actions: the creature functions that scripts reach (creature_natives.cpp), and the
// other families, each in its own <family>_natives.cpp.
void RegisterCreatureNatives(NativeTable& table);
void RegisterMachineNatives(NativeTable& table);    // answers, and relays to a creature
void RegisterEntityNatives(NativeTable& table);     // an entity's codes, names and life
void RegisterMapObjectNatives(NativeTable& table);  // doors, chests, locks and traps
void RegisterPlacementNatives(NativeTable& table);  // creating and teleporting
void RegisterDialogueNatives(NativeTable& table);   // dialogues and their screen
void RegisterPartyNatives(NativeTable& table);      // the player's party
void RegisterJournalNatives(NativeTable& table);    // the journal
void RegisterVariableNatives(NativeTable& table);   // shared variables and timers
void RegisterTransitionNatives(NativeTable& table); // changes of place, game over
void RegisterTextNatives(NativeTable& table);       // texts shown to the player
void RegisterWorldMapNatives(NativeTable& table);   // the world map screen
void RegisterWorldNatives(NativeTable& table);      // clock, light and towns
void RegisterSoundNatives(NativeTable& table);      // music and sounds
void RegisterSpellNatives(NativeTable& table);      // spells with no caster

// The conditions, by what they ask about.
void RegisterCreatureConditions(NativeTable& table); // creature_conditions.cpp
void RegisterEntityConditions(NativeTable& table);   // entity_conditions.cpp
void RegisterPartyConditions(NativeTable& table);    // party_conditions.cpp
void RegisterWorldConditions(NativeTable& table);    // world_conditions.cpp
void RegisterDialogueConditions(NativeTable& table); // dialogue_conditions.cpp
