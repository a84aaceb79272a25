#include "tools/demoworld/demo_map_scripts.h"

#include "tools/demoworld/demo_output.h"
#include "tools/demoworld/script_numbers.h"
#include "tools/scriptbuilder/script_builder.h"

namespace {

using namespace ScriptNumbers;

// The game's numbers for the events, actions and conditions the scripts call.
constexpr int32_t kPartyPlacedEvent = 3;
constexpr int32_t kTrapEvent = 16;
constexpr int32_t kToggleTutorialPanel = 402;
constexpr int32_t kSetDisplayName = 317;
constexpr int32_t kSetDescription = 318;
constexpr int32_t kFartherThan = 3;

constexpr int kTemplateCount = -1;    // a given item keeps its template's count of uses
constexpr uint32_t kActiveMember = 3; // the step that names the party's active member

EntityRef ActiveMember() {
    EntityRef ref;
    ref.AddToList(kActiveMember);
    return ref;
}

// A placement keeps a door's or a chest's map object alone, so the name shown under the
// pointer and the description that Examine shows come from the map object's script when the
// map is first entered; then anything more the script does on that event.
template <class More>
ScriptBuilder Naming(const char* name, const char* displayName, const char* description,
                     More more) {
    ScriptBuilder script(name);
    script.Call(kCallEventTest, kStartEvent)
        .JumpIfFalse("named")
        .Call(kCallLatent, kSetDisplayName, displayName)
        .Call(kCallLatent, kSetDescription, description);
    more(script);
    return script.Label("named");
}

// Run on the gate's timer: the panel goes once the active member stands far enough from
// the gate, only while the tutorial's start script says it shows, and only once.
ScriptBuilder Gate() {
    using T = DemoMapScripts;
    ScriptBuilder script =
        Naming(T::kGate, T::kGateName, T::kGateDescription, [](ScriptBuilder&) {});
    return script
        .Call(kCallQuery, kVariableEquals, T::kTutorialScope, T::kPanelVariable, T::kPanelShown)
        .JumpIfFalse("end")
        .Call(kCallQuery, kFartherThan, static_cast<double>(T::kStartAreaReach), ActiveMember())
        .JumpIfFalse("end")
        .Call(kCallLatent, kSetVariable, T::kTutorialScope, T::kPanelVariable, T::kPanelPutAway)
        .Call(kCallLatent, kToggleTutorialPanel)
        .Label("end")
        .End();
}

ScriptBuilder Chest() {
    ScriptBuilder script = Naming(
        DemoMapScripts::kChest, "Chest", "An old chest, bound in iron.", [](ScriptBuilder& s) {
            s.Call(kCallLatent, kGiveNewItem, "gold", kTemplateCount)
                .Call(kCallLatent, kGiveNewItem, "bow", kTemplateCount)
                .Call(kCallLatent, kGiveNewItem, "arrows", kTemplateCount);
        });
    return script.Call(kCallEventTest, kTrapEvent, EntityRef())
        .JumpIfFalse("end")
        .Call(kCallLatent, kAddMessage, DemoMapScripts::kTrapSprung)
        .Label("end")
        .End();
}

// A sign has no contact to answer: the dialogue opens with the party's active member.
ScriptBuilder PondSignTalk() {
    ScriptBuilder script(DemoMapScripts::kPondSignTalk);
    return script.Call(kCallEventTest, kDialogueEvent)
        .JumpIfFalse("end")
        .Call(kCallLatent, kStartDialogue, ActiveMember())
        .Label("end")
        .End();
}

} // namespace

void DemoMapScripts::KeepPanelAway(ScriptBuilder& script) {
    script.Call(kCallEventTest, kPartyPlacedEvent)
        .JumpIfFalse("placed")
        .Call(kCallQuery, kVariableEquals, kTutorialScope, kPanelVariable, kPanelPutAway)
        .JumpIfFalse("placed")
        .Call(kCallLatent, kToggleTutorialPanel)
        .Label("placed");
}

bool DemoMapScripts::Write() const {
    return WriteScript(Gate(), m_directory + "/" + kGate + ".scr") &&
           WriteScript(Chest(), m_directory + "/" + kChest + ".scr") &&
           WriteScript(PondSignTalk(), m_directory + "/" + kPondSignTalk + ".scr");
}
