#pragma once
// What a dialogue's script tells the dialogue screen and asks of it: the lines the other
// side says, the responses offered to the player and which of them was chosen. The screen
// installs itself while it is open; while none is, scripts reach no dialogue.

class Stringc;

class DialogueLines {
public:
    virtual ~DialogueLines() = default;

    virtual void AddStatement(const Stringc& text) = 0;
    // The response is offered once; true when it is the one the player chose.
    virtual bool AddResponseAndTest(const Stringc& text) = 0;
    virtual bool IsTradeRequested() const = 0; // the dialogue was closed
};

DialogueLines* GetDialogueLines(); // null while no dialogue screen is open
void SetDialogueLines(DialogueLines* dialogue);
