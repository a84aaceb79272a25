#include "Library/interface/button_box.h"

#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"

#include <cassert>

ButtonBox::ButtonBox(const char* image, int x, int y) {
    assert(g_interface != nullptr);
    m_window = g_interface->CreateImageWindow(image, x, y);
}

ButtonBox::~ButtonBox() = default;

void ButtonBox::SetTextLayout(int dx, int dy, int font, int wrapWidth) {
    const Rect& rect = m_window->GetRect();
    m_text.SetPosition(rect.x1 + dx, rect.y1 + dy);
    m_font = font;
    m_wrapWidth = wrapWidth;
}

void ButtonBox::ShowText(const char* text, bool byWords) {
    m_text.SetFont(m_font);
    if (byWords)
        m_text.SetText(0, text, m_wrapWidth);
    else
        m_text.SetTextCharWrap(0, text, m_wrapWidth);
}

void ButtonBox::AddButton(uint32_t id, const char* image, int x, int y) {
    m_window->AddImageButton(id, image, x, y);
}

void ButtonBox::Poll() {
    g_interface->SetActive(m_window);
    if (const InterfaceObject* clicked = m_window->GetClickedChild())
        if (clicked->GetId() < 2)
            m_clicked[clicked->GetId()] = true;
}

bool ButtonBox::TakeButton(uint32_t id) {
    const bool clicked = m_clicked[id];
    m_clicked[id] = false;
    return clicked;
}

bool ButtonBox::HandleEvent(const SDL_Event& event) {
    m_window->HandleEvent(event);
    return true;
}

void ButtonBox::Draw(Screen& screen) {
    m_window->SetDirty(true);
    m_window->Draw(screen);
    m_text.Draw(screen, false);
}

const Rect& ButtonBox::GetRect() const {
    return m_window->GetRect();
}
