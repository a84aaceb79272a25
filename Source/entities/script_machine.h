#pragma once
// What entities do with a script machine: load a compiled script, post it the game's
// events, run it once a frame and clear it. The region, every map object and every
// soldier's script slots own one.

#include "Library/core/stringc.h"

#include <cstdint>

class EntityRef;

// The game's script events, by code.
enum ScriptEventCode : int {
    kScriptEventStart = 1,
    kScriptEventRegionEntered = 2,
    kScriptEventPartyPlaced = 3,
    kScriptEventDeath = 4,
    kScriptEventEntityDied = 5,
    kScriptEventItemUsed = 13,
    kScriptEventOpened = 14,
    kScriptEventClosed = 15,
    kScriptEventTrapFired = 16,
    kScriptEventLockPicked = 17,
    kScriptEventNumber = 18,
    kScriptEventKey = 19,
    kScriptEventDialogue = 20,
    kScriptEventWorldMap = 22,
};

class ScriptMachine {
public:
    virtual ~ScriptMachine() = default;

    // The compiled script at path, from the archive or the loose file; false, with no
    // program, when it cannot be loaded.
    virtual bool LoadScript(const Stringc& path) = 0;
    virtual void Reset() = 0;                  // no program, no events, no actions
    virtual bool Update(uint32_t frameMs) = 0; // true while an action was under way
    virtual bool HasFired() const = 0;         // its run timer came round in the last Update
    virtual void SetPeriod(int periodMs) = 0;  // of the run timer
    virtual void ClearActions() = 0;
    virtual void ClearEvents() = 0;
    virtual void PostEvent(int code) = 0; // no arguments
    virtual void PostEntityEvent(int code, const EntityRef& entity) = 0;
    virtual void PostNumberEvent(int code, double number) = 0;
    virtual void PostEntityNumberEvent(int code, const EntityRef& entity, double number) = 0;
    virtual void PostTextEvent(int code, const Stringc& text) = 0;
};

// The compiled script of that name: the script directory + "/" + the name without its
// extension + ".scr".
Stringc CompiledScriptPath(const Stringc& name);
