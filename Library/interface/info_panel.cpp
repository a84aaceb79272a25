#include "Library/interface/info_panel.h"

#include "Library/core/stringc.h"
#include "Library/interface/mouse_position.h"

InfoPanel::InfoPanel(const Rect& rect, int stacking, int maxLines, int font, int highlightFont)
    : m_rect(rect), m_window(rect, stacking, maxLines, font, highlightFont) {}

InfoPanel::~InfoPanel() = default;

void InfoPanel::AddText(const char* text) {
    AddTextWithId(0, text);
}

void InfoPanel::AddTextWithId(int id, const char* text) {
    m_window.AddText(text, id);
    m_clickedId = -1;
}

void InfoPanel::Clear() {
    m_window.Clear();
    m_clickedId = -1;
}

// A line is clicked when the left button goes down and comes up over it.
bool InfoPanel::HandleEvent(const SDL_Event& event) {
    const bool inside = Contains(g_mouseX, g_mouseY);
    if (event.type == SDL_MOUSEBUTTONDOWN) {
        if (!inside) {
            if (m_clickedId == -1)
                m_window.ClearHighlight();
        } else if (event.button.button == SDL_BUTTON_LEFT) {
            m_pressedId = m_window.BlockAt(g_mouseX, g_mouseY);
            m_clickedId = -1;
        }
        return true;
    }
    if (event.type == SDL_MOUSEBUTTONUP) {
        if (inside && event.button.button == SDL_BUTTON_LEFT) {
            if (m_window.BlockAt(g_mouseX, g_mouseY) == m_pressedId)
                m_clickedId = m_pressedId;
            else
                m_window.ClearHighlight();
        }
        return true;
    }
    return false;
}

int InfoPanel::TakeClickedLine() {
    const int id = m_clickedId;
    if (id != -1) {
        m_window.ClearHighlight();
        m_clickedId = -1;
    }
    return id;
}

bool InfoPanel::TakeClickedText(Stringc& text) {
    if (m_clickedId == -1)
        return false;
    m_window.GetBlockText(m_clickedId, text);
    TakeClickedLine();
    return true;
}

bool InfoPanel::Contains(int x, int y) const {
    return m_rect.Covers(x, y);
}

// The frame driver places its panels every frame: an unchanged place keeps the wrapped
// lines, the scroll position and the highlight.
void InfoPanel::SetRect(const Rect& rect) {
    if (rect == m_rect)
        return;
    m_rect = rect;
    m_window.SetRect(rect);
}

void InfoPanel::Move(int x, int y) {
    m_rect = m_rect.Translated(x - m_rect.x1, y - m_rect.y1);
    m_window.Move(x, y);
}

void InfoPanel::Draw(Screen& screen) {
    m_window.Draw(screen);
}
