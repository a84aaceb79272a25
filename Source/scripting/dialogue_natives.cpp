// The actions of dialogues: opening one, moving its start label and counter, letting a
// creature trade, and closing the dialogue screen or turning it to trade.
#include "Source/scripting/game_natives.h"

#include "Library/world/game_mode.h"
#include "Source/entities/creature_meeting.h"
#include "Source/scripting/action_results.h"
#include "Source/scripting/dialogue_controls.h"
#include "Source/scripting/native_call.h"
#include "Source/scripting/native_table.h"

DialogueControls* g_dialogueControls = nullptr;

namespace {

bool InDialogue() {
    return g_gameMode != nullptr && g_gameMode->GetModeId() == kModeDialogue;
}

int32_t OpenDialogue(const NativeCall& call) {
    return DoneIf(StartDialogue(call.GetOwner(), call.Object(0)));
}

// The dialogue being shown starts again from the new label.
int32_t SetLabel(const NativeCall& call) {
    if (!SetDialogueLabel(call.GetOwner(), call.String(0)))
        return kActionFailed;
    if (InDialogue() && g_dialogueControls != nullptr)
        g_dialogueControls->EndDialogue();
    return kActionDone;
}

// Back on the map, running, whether or not a dialogue screen is there to close.
int32_t EndDialogue(const NativeCall&) {
    if (!InDialogue())
        return kActionFailed;
    g_gameMode->SetMode(kModeAreaMap);
    g_gameMode->SetPaused(false);
    if (g_dialogueControls != nullptr)
        g_dialogueControls->RequestTradeAndEnd();
    return kActionDone;
}

int32_t SetValue(const NativeCall& call) {
    return DoneIf(SetDialogueValue(call.GetOwner(), call.Bits(0)));
}

int32_t AddToValue(const NativeCall& call) {
    uint32_t value = 0;
    return DoneIf(GetDialogueValue(call.GetOwner(), value) &&
                  SetDialogueValue(call.GetOwner(), value + call.Bits(0)));
}

int32_t SetWillTrade(const NativeCall& call) {
    return DoneIf(SetCreatureDialogueField(call.GetOwner(), call.Number(0) != 0 ? 1 : 0));
}

int32_t Trade(const NativeCall&) {
    if (!InDialogue())
        return kActionFailed;
    if (g_dialogueControls != nullptr)
        g_dialogueControls->RequestTrade();
    return kActionDone;
}

} // namespace

void RegisterDialogueNatives(NativeTable& table) {
    table.AddAction(44, "R", &OpenDialogue);
    table.AddAction(45, "S", &SetLabel);
    table.AddAction(46, "", &EndDialogue);
    table.AddAction(47, "N", &SetValue);
    table.AddAction(48, "N", &AddToValue);
    table.AddAction(49, "N", &SetWillTrade);
    table.AddAction(50, "", &Trade);
}
