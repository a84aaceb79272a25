#pragma once
// A window that takes one line of typed text, shown wrapped, with OK and cancel buttons.

#include "Library/core/stringc.h"
#include "Library/interface/button_box.h"

class EditBox : public ButtonBox {
public:
    EditBox(const char* image, int x, int y) : ButtonBox(image, x, y) {}

    void AddOkButton(const char* image, int x, int y) { AddButton(0, image, x, y); }
    void AddCancelButton(const char* image, int x, int y) { AddButton(1, image, x, y); }
    bool TakeAccepted() { return TakeButton(0); }
    bool TakeCancelled() { return TakeButton(1); }

    void SetWordWrap(bool on) { m_wordWrap = on; } // typing wraps by characters without it
    void SetDigitsOnly(bool on) { m_digitsOnly = on; }
    void SetText(const char* text);         // wrapped by words
    void SetTextCharWrap(const char* text); // by characters
    void AppendChar(char c);
    void Backspace();
    bool HandleKey(const SDL_Event& event); // always false: other handlers see the key too
    const Stringc& GetText() const { return m_typed; }

private:
    Stringc m_typed;
    bool m_wordWrap = false;
    bool m_digitsOnly = false;
};
