// The conditions of dialogue scripts: where the owner's dialogue starts and how often it
// was held, and, on the dialogue screen, the lines said and the responses offered, one of
// which the player may have chosen.
#include "Source/scripting/game_natives.h"

#include "Library/core/game_mode_id.h"
#include "Library/core/stringc.h"
#include "Source/entities/creature_meeting.h"
#include "Source/entities/view_transform.h"
#include "Source/scripting/condition_compare.h"
#include "Source/scripting/dialogue_lines.h"

namespace {

// The dialogue screen while it is current; null on every other screen.
DialogueLines* OpenDialogue() {
    return CurrentModeId() == kModeDialogue ? GetDialogueLines() : nullptr;
}

int32_t StartsAtLabel(const NativeCall& call) {
    const DialogueLines* dialogue = OpenDialogue();
    Stringc label;
    return Answer(dialogue != nullptr && !dialogue->IsTradeRequested() &&
                  GetDialogueLabel(call.GetOwner(), label) && label == call.String(0));
}

// The owner's dialogue counter, read as the signed number scripts compare.
bool DialogueValue(const NativeCall& call, int32_t& value) {
    uint32_t counter = 0;
    if (!GetDialogueValue(call.GetOwner(), counter))
        return false;
    value = static_cast<int32_t>(counter);
    return true;
}

int32_t Says(const NativeCall& call) {
    DialogueLines* dialogue = OpenDialogue();
    if (dialogue != nullptr)
        dialogue->AddStatement(call.String(0));
    return Answer(dialogue != nullptr);
}

int32_t OffersChosenResponse(const NativeCall& call) {
    DialogueLines* dialogue = OpenDialogue();
    return Answer(dialogue != nullptr && dialogue->AddResponseAndTest(call.String(0)));
}

} // namespace

void RegisterDialogueConditions(NativeTable& table) {
    table.AddCondition(42, "S", &StartsAtLabel);
    AddComparisons<&DialogueValue>(table, "N", 43, 45, 44);
    table.AddCondition(54, "S", &Says);
    table.AddCondition(55, "S", &OffersChosenResponse);
}
