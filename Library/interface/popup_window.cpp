#include "Library/interface/popup_window.h"

#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"

#include <algorithm>
#include <cassert>

PopupWindow::PopupWindow(const char* image, int buttonSpacing) : m_buttonSpacing(buttonSpacing) {
    assert(g_interface != nullptr);
    m_window = g_interface->CreateImageWindow(image, 0, 0);
}

PopupWindow::~PopupWindow() {
    if (g_interface)
        g_interface->DestroyWindow(m_window);
}

void PopupWindow::SetBounds(const Rect& bounds) {
    m_bounds = bounds;
}

void PopupWindow::AddButton(const char* image, uint32_t id) {
    const Rect& window = m_window->GetRect();
    int x = 0;
    int y = 0;
    if (const InterfaceObject* last = m_window->GetFirstChild()) {
        x = last->GetRect().x1 - window.x1;
        y = last->GetRect().y2 - window.y1 + m_buttonSpacing;
    }
    m_window->AddImageButton(id, image, x, y);
}

void PopupWindow::MoveTo(int x, int y) {
    const Rect& rect = m_window->GetRect();
    const int left = std::max<int>(m_bounds.x1, std::min(x, m_bounds.x2 - (rect.x2 - rect.x1)));
    const int top = std::max<int>(m_bounds.y1, std::min(y, m_bounds.y2 - (rect.y2 - rect.y1)));
    m_window->Move(left - rect.x1, top - rect.y1);
}

void PopupWindow::Activate() {
    g_interface->SetActive(m_window);
}

void PopupWindow::GetPosition(int& x, int& y) const {
    x = m_window->GetRect().x1;
    y = m_window->GetRect().y1;
}

bool PopupWindow::Contains(int x, int y) const {
    return m_window->Contains(x, y);
}

int PopupWindow::GetClickedId() const {
    const InterfaceObject* clicked = m_window->GetClickedChild();
    return clicked != nullptr ? static_cast<int>(clicked->GetId()) : -1;
}

// A moving mouse presses the button under it, as a button-down would.
void PopupWindow::HandleEvent(const SDL_Event& event) {
    if (event.type == SDL_MOUSEMOTION) {
        SDL_Event press{};
        press.type = SDL_MOUSEBUTTONDOWN;
        press.button.type = SDL_MOUSEBUTTONDOWN;
        press.button.x = event.motion.x;
        press.button.y = event.motion.y;
        m_window->HandleEvent(press);
    } else if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP) {
        m_window->HandleEvent(event);
    }
}

void PopupWindow::Draw(Screen& screen) {
    m_window->SetDirty(true);
    m_window->Draw(screen);
}
