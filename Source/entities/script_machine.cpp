#include "Source/entities/script_machine.h"

#include "Library/files/data_paths.h"
#include "LibraryScriptCompiler/script_func_header.h"

namespace {

void Append(ScriptFuncHeader& record, const EntityRef& entity) {
    record.AddObject(entity);
}

void Append(ScriptFuncHeader& record, const Stringc& text) {
    record.AddString(text);
}

void Append(ScriptFuncHeader& record, double number) {
    record.AddNumber(number);
}

// A fresh event record of the code with its arguments appended in order.
template <class... Arguments>
ScriptFuncHeader EventRecord(GameEventCode code, const Arguments&... arguments) {
    ScriptFuncHeader record;
    record.SetTypeAndId(kCallEventTest, code);
    (Append(record, arguments), ...);
    return record;
}

} // namespace

void ScriptMachine::PostStartEvent() {
    PostEvent(EventRecord(kScriptEventStart));
}

void ScriptMachine::PostRegionEnteredEvent() {
    PostEvent(EventRecord(kScriptEventRegionEntered));
}

void ScriptMachine::PostPartyPlacedEvent() {
    PostEvent(EventRecord(kScriptEventPartyPlaced));
}

void ScriptMachine::PostDeathEvent() {
    PostEvent(EventRecord(kScriptEventDeath));
}

void ScriptMachine::PostEntityDiedEvent(const EntityRef& died) {
    PostEvent(EventRecord(kScriptEventEntityDied, died));
}

void ScriptMachine::PostAttackedEvent(const EntityRef& attacker, int32_t number) {
    PostEvent(EventRecord(kScriptEventAttacked, attacker, number));
}

void ScriptMachine::PostEvent7(const EntityRef& other, uint32_t bits) {
    PostEvent(EventRecord(kScriptEventNotice, other, bits));
}

void ScriptMachine::PostEvent9(const EntityRef& pattern, int32_t number) {
    PostEvent(EventRecord(kScriptEventCall, pattern, number));
}

void ScriptMachine::PostEvent10(const EntityRef& caller, int32_t number) {
    PostEvent(EventRecord(kScriptEventShout, caller, number));
}

void ScriptMachine::PostEvent11(const EntityRef& caller) {
    PostEvent(EventRecord(kScriptEventShoutOfSelf, caller));
}

void ScriptMachine::PostEvent12(int32_t number) {
    PostEvent(EventRecord(kScriptEventSignal, number));
}

void ScriptMachine::PostItemUsedEvent(const Stringc& itemName) {
    PostEvent(EventRecord(kScriptEventItemUsed, itemName));
}

void ScriptMachine::PostEvent14(const EntityRef& user) {
    PostEvent(EventRecord(kScriptEventOpened, user));
}

void ScriptMachine::PostEvent15(const EntityRef& user) {
    PostEvent(EventRecord(kScriptEventClosed, user));
}

void ScriptMachine::PostEvent16(const EntityRef& setOff) {
    PostEvent(EventRecord(kScriptEventTrapFired, setOff));
}

void ScriptMachine::PostLockPickedEvent(const EntityRef& picker) {
    PostEvent(EventRecord(kScriptEventLockPicked, picker));
}

void ScriptMachine::PostNumberEvent(int32_t number) {
    PostEvent(EventRecord(kScriptEventNumber, number));
}

void ScriptMachine::PostKeyEvent(int32_t key) {
    PostEvent(EventRecord(kScriptEventKey, key));
}

void ScriptMachine::PostDialogueEvent() {
    PostEvent(EventRecord(kScriptEventDialogue));
}

void ScriptMachine::PostWorldAreaEvent() {
    PostEvent(EventRecord(kScriptEventWorldArea));
}

void ScriptMachine::PostEvent22() {
    PostEvent(EventRecord(kScriptEventWorldMap));
}

Stringc CompiledScriptPath(const Stringc& name) {
    Stringc baseName(name);
    baseName.StripExtension();
    const Stringc directory = g_dataPaths ? g_dataPaths->GetScriptDir() : Stringc();
    return directory + "/" + baseName + ".scr";
}
