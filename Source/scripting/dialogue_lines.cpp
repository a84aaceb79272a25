#include "Source/scripting/dialogue_lines.h"

namespace {

DialogueLines* g_dialogueLines = nullptr;

} // namespace

DialogueLines* GetDialogueLines() {
    return g_dialogueLines;
}

void SetDialogueLines(DialogueLines* dialogue) {
    g_dialogueLines = dialogue;
}
