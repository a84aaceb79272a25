// Mouse presses and releases, typed keys and the slider knob.

#include "Library/interface/interface_object.h"

#include "Library/interface/mouse_position.h"
#include "Library/interface/typed_key.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Half away from zero, with the small bias that keeps exact halves from flickering.
int RoundBiased(double value) {
    return static_cast<int>(value <= 0 ? value - 0.5001 : value + 0.5 + 0.0001);
}

bool TakesPress(uint32_t type) {
    return type == kWidgetButton || type == kWidgetToggle || type == kWidgetRadio ||
           type == kWidgetTextEdit;
}

} // namespace

void InterfaceObject::HandleEvent(const SDL_Event& event) {
    if (!Has(kWidgetHasChildren))
        return;
    bool changed = false;
    if (event.type == SDL_MOUSEBUTTONUP)
        changed = ReleaseChildren();
    else if (event.type == SDL_MOUSEBUTTONDOWN)
        changed = PressChildren(GetCapturedChild());
    if (changed)
        SetDirty(true);
}

// Of several children under the mouse the one added first wins. A slider follows the mouse
// only while nothing else holds the window, or while it is the child that does.
bool InterfaceObject::PressChildren(const InterfaceObject* captured) {
    InterfaceObject* winner = nullptr;
    ForEachChild([&](InterfaceObject& child) {
        if (!child.IsLive())
            return;
        const bool under = child.Contains(g_mouseX, g_mouseY);
        if ((TakesPress(child.m_type) && under) ||
            (child.m_type == kWidgetSlider &&
             (&child == captured || (captured == nullptr && under))))
            winner = &child;
    });
    if (captured != nullptr && winner == captured && winner->m_type == kWidgetRadio)
        return false; // the radio button that is already selected
    ForEachChild([winner](InterfaceObject& child) {
        if (&child == winner)
            child.Press();
        else
            child.Unpress();
    });
    return winner != nullptr;
}

bool InterfaceObject::ReleaseChildren() {
    bool anyPressed = false;
    const InterfaceObject* hit = nullptr;
    ForEachChild([&](InterfaceObject& child) {
        if (!child.IsPressed())
            return;
        anyPressed = true;
        if (child.Has(kWidgetVisible) && child.Contains(g_mouseX, g_mouseY))
            hit = &child;
    });
    ForEachChild([hit, anyPressed](InterfaceObject& child) { child.Release(hit, anyPressed); });
    return anyPressed;
}

// Every release ends every press; focus stays only with a text edit released over. A release
// that ends no press leaves this frame's clicks standing, so a window that hears the same
// event from its screen and from the interface keeps its click.
void InterfaceObject::Release(const InterfaceObject* hit, bool endsPress) {
    Unpress();
    if (this == hit) {
        switch (m_type) {
        case kWidgetButton:
            SetClicked();
            break;
        case kWidgetToggle:
            SetFlag(kWidgetOn, !IsOn());
            SetClicked();
            break;
        case kWidgetRadio:
            Select();
            SetClicked();
            break;
        case kWidgetTextEdit:
            SetFocus();
            break;
        }
        return;
    }
    if (m_type == kWidgetButton) {
        if (endsPress)
            ClearClicked();
    } else if (m_type == kWidgetRadio) {
        if (hit != nullptr && hit->m_type == kWidgetRadio) {
            Deselect();
            ClearClicked();
        }
    } else if (m_type == kWidgetTextEdit) {
        ClearFocus();
    }
}

bool InterfaceObject::HandleKey(const SDL_Event& event) {
    InterfaceObject* target = this;
    while (target->m_type == kWidgetImage) {
        target = target->GetFocusedChild();
        if (target == nullptr)
            return false;
    }
    if (target->m_type != kWidgetTextEdit || !target->HasFocus())
        return false;
    if (event.type != SDL_KEYDOWN)
        return true; // a focused edit swallows every other event
    target->SetDirty(true);
    if (IsEraseKey(event.key)) {
        if (target->m_text.Length() > 0)
            target->m_text.DropLastChar();
        return true;
    }
    if (const char typed = TypedChar(event.key, target->Has(kWidgetDigitsOnly)))
        target->m_text += typed;
    return true;
}

int InterfaceObject::KnobWidth() const {
    return std::abs(m_rect.x2 - m_rect.x1);
}

int InterfaceObject::TrackLength() const {
    return std::abs(m_trackEnd - m_trackStart);
}

void InterfaceObject::SetTrack(int start, int end) {
    m_trackStart = static_cast<int16_t>(start);
    m_trackEnd = static_cast<int16_t>(end);
}

// Clamped so that the knob stays on the track; the start wins on a track too short for it.
void InterfaceObject::PlaceKnob(int x1) {
    const int width = KnobWidth();
    const int16_t left = std::max(
        m_trackStart, std::min(static_cast<int16_t>(x1), static_cast<int16_t>(m_trackEnd - width)));
    SetRect(Rect::Make(left, m_rect.y1, left + width, m_rect.y2));
}

void InterfaceObject::SetSliderValue(int value, int range) {
    m_range = static_cast<uint32_t>(range);
    const double along = range == 0 ? 0.0 : static_cast<double>(value) / range * TrackLength();
    PlaceKnob(m_trackStart + RoundBiased(along - KnobWidth() / 2));
}

int InterfaceObject::GetSliderValue(int pointX) {
    PlaceKnob(pointX - KnobWidth() / 2);
    const int range = static_cast<int>(m_range);
    if (m_rect.x1 == m_trackStart || TrackLength() == 0)
        return 0;
    if (m_rect.x2 == m_trackEnd)
        return range;
    const int along = std::min(std::max(pointX, int{m_trackStart}), int{m_trackEnd}) - m_trackStart;
    return RoundBiased(static_cast<double>(along) / TrackLength() * range);
}
