#include "Source/world/text_bubble_mgr.h"

#include "Library/geometry/map_view.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/rect.h"
#include "Library/graphics/screen.h"

#include <cstring>

namespace {

constexpr int kBubbleFont = 1;
constexpr int kBoxFont = 0;
constexpr int kHalfBox = 1; // the screen's box mode that darkens what lies under it

} // namespace

TextBubbleMgr::TextBubbleMgr(const Speaker& owner) : m_owner(owner) {}

void TextBubbleMgr::Say(const Stringc& text) {
    Show(text, kBubble);
}

void TextBubbleMgr::SayAlt(const Stringc& text) {
    Show(text, kBox);
}

void TextBubbleMgr::Show(const Stringc& text, Style style) {
    if (text.Length() == 0)
        return;
    m_style = style;
    m_remaining = static_cast<float>(s_displayTime);
    m_text.SetFont(kBubbleFont);
    // A line said again keeps its wrapping: the width and the font are always the same, so
    // only another text or another screen's fonts could wrap it differently.
    if (m_wrappedOn == g_screen && std::strcmp(m_text.GetText().c_str(), text.c_str()) == 0)
        return;
    m_text.SetText(0, text.c_str(), kWrapWidth);
    m_wrappedOn = g_screen;
}

void TextBubbleMgr::Update(double frameSeconds) {
    if (m_remaining > 0.0f)
        m_remaining -= static_cast<float>(frameSeconds);
}

void TextBubbleMgr::Draw(Screen& screen, const MapView& view, const Rect& viewRect) {
    if (!IsShowing())
        return;
    screen.SetClipRectFrom(viewRect);
    Vector anchor = m_owner.GetPosition();
    anchor.y -= m_owner.GetHeight() + 1.0f;
    int x = 0;
    int y = 0;
    WorldToPixel(view, anchor, x, y);
    const ScreenPos& size = m_text.GetPosition();
    const int left = x - size.w / 2;
    const int top = y - size.h;
    m_text.SetPosition(left, top);
    const Rect frame = Rect::Make(left - 3, top - 2, left + size.w + 2, top + size.h - 1);
    if (m_style == kBubble) {
        m_text.SetFont(kBubbleFont);
        screen.SetDrawColour(Colour(132, 234, 255).Pack16());
        screen.FillRectColour(frame);
    } else {
        m_text.SetFont(kBoxFont);
        screen.SetDrawColour(Colour(0, 0, 0).Pack16());
        screen.DrawBox(kHalfBox, frame.x1, frame.y1, frame.x2, frame.y2);
    }
    screen.SetDrawColour(Colour(0, 0, 0).Pack16());
    screen.DrawRectFrom(frame);
    m_text.Draw(screen, false);
}
