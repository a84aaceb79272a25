#include "Library/interface/edit_box.h"

#include "Library/interface/typed_key.h"

void EditBox::SetText(const char* text) {
    m_typed = text;
    ShowText(m_typed.c_str(), true);
}

void EditBox::SetTextCharWrap(const char* text) {
    m_typed = text;
    ShowText(m_typed.c_str(), false);
}

void EditBox::AppendChar(char c) {
    m_typed += c;
    ShowText(m_typed.c_str(), m_wordWrap);
}

void EditBox::Backspace() {
    if (m_typed.Length() > 0)
        m_typed.DropLastChar();
    ShowText(m_typed.c_str(), m_wordWrap);
}

bool EditBox::HandleKey(const SDL_Event& event) {
    if (event.type != SDL_KEYDOWN)
        return false;
    if (IsEraseKey(event.key))
        Backspace();
    else if (const char typed = TypedChar(event.key, m_digitsOnly))
        AppendChar(typed);
    return false;
}
