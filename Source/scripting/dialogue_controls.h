#pragma once
// The dialogue screen as the scripts of a dialogue steer it. The dialogue screen serves it
// while it exists.

class DialogueControls {
public:
    virtual ~DialogueControls() = default;

    virtual void EndDialogue() = 0;        // its script runs again from its new start label
    virtual void RequestTradeAndEnd() = 0; // the dialogue closes
    virtual void RequestTrade() = 0;       // the trade screen with the partner
};

extern DialogueControls* g_dialogueControls; // not owned; null: no dialogue screen
