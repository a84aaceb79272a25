#pragma once
// What entities do with a script machine: load a compiled script, post it the game's
// events, run it once a frame and clear it. The region, every map object, every town and
// every soldier's script slots own one; the game's scripting makes them.

#include "Library/core/stringc.h"

#include <cstdint>

class EntityRef;
class ScriptFuncHeader;

// The game's script events, by code; the codes bind the compiled scripts.
enum GameEventCode : int {
    kScriptEventStart = 1,
    kScriptEventRegionEntered = 2,
    kScriptEventPartyPlaced = 3,
    kScriptEventDeath = 4,
    kScriptEventEntityDied = 5,
    kScriptEventAttacked = 6,
    kScriptEventNotice = 7,
    kScriptEventNever = 8, // posted by nothing, matched by nothing
    kScriptEventCall = 9,
    kScriptEventShout = 10,
    kScriptEventShoutOfSelf = 11,
    kScriptEventSignal = 12,
    kScriptEventItemUsed = 13,
    kScriptEventOpened = 14,
    kScriptEventClosed = 15,
    kScriptEventTrapFired = 16,
    kScriptEventLockPicked = 17,
    kScriptEventNumber = 18,
    kScriptEventKey = 19,
    kScriptEventDialogue = 20,
    kScriptEventWorldArea = 21,
    kScriptEventWorldMap = 22,
};

class ScriptMachine {
public:
    virtual ~ScriptMachine() = default;

    // The compiled script at path, from the archive or the loose file; false, with no
    // program, when it cannot be loaded. Loading clears the keep-owner-command flag.
    virtual bool LoadScript(const Stringc& path) = 0;
    virtual void Reset() = 0;                  // no program, no events, no actions
    virtual bool Update(uint32_t frameMs) = 0; // true while an action was under way
    virtual bool HasFired() const = 0;         // its run timer came round in the last Update
    virtual void SetPeriod(int periodMs) = 0;  // of the run timer
    // The latent actions go, and with them the owning creature's command unless the
    // keep-owner-command flag is set.
    virtual void ClearActions() = 0;
    virtual void ClearEvents() = 0;
    virtual void SetKeepOwnerCommand(bool keep) = 0;
    // A copy of the event record joins the events of the next run; a machine without a
    // program drops it.
    virtual void PostEvent(const ScriptFuncHeader& event) = 0;
    // The milliseconds of frames the machine can be given from now on before an Update
    // would do more than count them: until then its owner may count them for it and give
    // them at once (CountQuietMs) before anything else reaches it. -1, here, when unknown.
    virtual int QuietMs() const { return -1; }
    virtual void CountQuietMs(int) {}

    // The events, one poster per code; numbers travel as f64.
    void PostStartEvent();
    void PostRegionEnteredEvent();
    void PostPartyPlacedEvent();
    void PostDeathEvent();
    void PostEntityDiedEvent(const EntityRef& died);
    void PostAttackedEvent(const EntityRef& attacker, int32_t number);
    void PostEvent7(const EntityRef& other, uint32_t bits);
    void PostEvent9(const EntityRef& pattern, int32_t number);
    void PostEvent10(const EntityRef& caller, int32_t number);
    void PostEvent11(const EntityRef& caller);
    void PostEvent12(int32_t number);
    void PostItemUsedEvent(const Stringc& itemName);
    void PostEvent14(const EntityRef& user);
    void PostEvent15(const EntityRef& user);
    void PostEvent16(const EntityRef& setOff);
    void PostLockPickedEvent(const EntityRef& picker);
    void PostNumberEvent(int32_t number);
    void PostKeyEvent(int32_t key);
    void PostDialogueEvent();
    void PostWorldAreaEvent();
    void PostEvent22();
};

// The compiled script of that name: the script directory + "/" + the name without its
// extension + ".scr".
Stringc CompiledScriptPath(const Stringc& name);
