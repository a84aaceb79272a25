#include "tools/demoworld/demo_creature_scripts.h"

#include "tools/demoworld/demo_output.h"
#include "tools/demoworld/script_numbers.h"
#include "tools/scriptbuilder/script_builder.h"

#include <iterator>
#include <string>

namespace {

using namespace ScriptNumbers;

// The game's numbers for the events and actions the scripts call.
constexpr int32_t kDeathEvent = 4;
constexpr int32_t kAttackedEvent = 6;
constexpr int32_t kAttack = 16;
constexpr int32_t kSetSide = 35;
constexpr int32_t kNotifyNearbyOfSelf = 30;
constexpr int32_t kReadyWeaponFirst1 = 66;
constexpr int32_t kFaceEntity = 214;
constexpr int32_t kSeesFirst = 4; // conditions
constexpr int32_t kLifeStateIs = 11;

// The steps that name an entity from the caller's point of view.
constexpr uint32_t kSelf = 1;
constexpr uint32_t kAttackedBy = 17; // the first of the caller's target records
constexpr uint32_t kContact = 24;
constexpr uint32_t kNearestEnemy = 12;
constexpr int kHostileSide = 200;

EntityRef Self() {
    EntityRef ref;
    ref.AddToList(kSelf);
    return ref;
}

// The entity the caller's target record names.
EntityRef TargetRecord(uint32_t record) {
    EntityRef ref;
    ref.AddToList(record);
    ref.AddToList(kSelf); // resolved first
    return ref;
}

EntityRef NearestEnemy() {
    EntityRef ref;
    ref.AddToList(kNearestEnemy);
    return ref;
}

// On the event, the calls the script adds; nothing otherwise.
template <class Calls>
ScriptBuilder OnEvent(const char* name, const ScriptFuncHeader& test, Calls calls) {
    ScriptBuilder script(name);
    script.Call(test).JumpIfFalse("end");
    calls(script);
    script.Label("end").End();
    return script;
}

// Jumps to the label when the script's own creature has died: the events of the frame it
// died in still reach it, and a dead creature takes no command.
void UnlessDead(ScriptBuilder& script, const std::string& label) {
    script.Call(kCallQuery, kLifeStateIs, Self(), static_cast<int>(EntityRef::kLifeDead))
        .Not()
        .JumpIfFalse(label);
}

} // namespace

bool DemoCreatureScripts::Write() const {
    const EntityRef anyone;
    const ScriptBuilder scripts[] = {
        OnEvent(kDeath, ScriptBuilder::Header(kCallEventTest, kDeathEvent),
                [](ScriptBuilder& s) {
                    s.Call(kCallLatent, kSay, "Aargh...").Call(kCallLatent, kNotifyNearbyOfSelf);
                }),
        OnEvent(kHit, ScriptBuilder::Header(kCallEventTest, kAttackedEvent, anyone, 0),
                [](ScriptBuilder& s) {
                    UnlessDead(s, "end");
                    s.Call(kCallLatent, kSay, "You will pay for that!")
                        .Call(kCallLatent, kSetSide, Self(), kHostileSide)
                        .Call(kCallLatent, kAttack, TargetRecord(kAttackedBy));
                }),
        OnEvent(
            kStart, ScriptBuilder::Header(kCallEventTest, kStartEvent),
            [](ScriptBuilder& s) {
                s.Call(kCallLatent, kReadyWeaponFirst1).Call(kCallLatent, kSay, "Back to work.");
            }),
        OnEvent(kTalk, ScriptBuilder::Header(kCallEventTest, kDialogueEvent),
                [](ScriptBuilder& s) {
                    s.Call(kCallLatent, kFaceEntity, TargetRecord(kContact))
                        .Call(kCallLatent, kSay, "Mind the experiments.")
                        .Call(kCallLatent, kStartDialogue, TargetRecord(kContact));
                }),
    };
    for (size_t i = 0; i < std::size(scripts); ++i)
        if (!WriteScript(scripts[i], m_directory + "/" + kNames[i] + ".scr"))
            return false;
    const ScriptBuilder traderTalk = OnEvent(
        kTraderTalk, ScriptBuilder::Header(kCallEventTest, kDialogueEvent), [](ScriptBuilder& s) {
            s.Call(kCallLatent, kFaceEntity, TargetRecord(kContact))
                .Call(kCallLatent, kStartDialogue, TargetRecord(kContact));
        });
    ScriptBuilder watch(kWatch);
    UnlessDead(watch, "end");
    watch.Call(kCallQuery, kSeesFirst, NearestEnemy())
        .JumpIfFalse("end")
        .Call(kCallLatent, kAttack, NearestEnemy())
        .Label("end")
        .End();
    return WriteScript(traderTalk, m_directory + "/" + kTraderTalk + ".scr") &&
           WriteScript(watch, m_directory + "/" + kWatch + ".scr");
}
