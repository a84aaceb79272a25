#include "Library/interface/interface_object.h"

#include "Library/core/tracked_new.h"
#include "Library/files/data_paths.h"
#include "Library/graphics/blit_state.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/screen.h"
#include "Library/interface/interface.h"
#include "Library/interface/mouse_position.h"
#include "Library/sound/sound_mgr.h"

#include <cstdlib>

namespace {

// Without a sound manager a press goes on silently.
void PreloadSound(const Stringc& name) {
    if (g_soundMgr != nullptr)
        g_soundMgr->LoadSample(name.c_str(), 1);
}

void PlaySound(const Stringc& name) {
    if (g_soundMgr != nullptr)
        g_soundMgr->PlaySample(name.c_str(), 1, 255, nullptr, nullptr);
}

} // namespace

InterfaceObject::InterfaceObject() {
    Reset();
}

InterfaceObject::~InterfaceObject() {
    DeleteChildren();
}

void InterfaceObject::Reset() {
    DeleteChildren();
    LeaveParent();
    m_type = kWidgetImage;
    m_image = m_image2 = nullptr;
    m_text.Clear();
    m_displayText.Clear();
    m_pressInSound.Clear();
    m_pressOutSound.Clear();
    m_flags = kWidgetEnabled | kWidgetVisible;
    SetFonts(0, kDefaultHighlightFont);
}

void InterfaceObject::DeleteChildren() {
    if (!Has(kWidgetHasChildren))
        return;
    // Each child leaves the ring as it is deleted; the last one is left lone.
    InterfaceObject* child = m_firstChild;
    m_firstChild = nullptr;
    m_flags &= ~kWidgetHasChildren;
    while (child != nullptr) {
        InterfaceObject* const next = child->GetNextSibling();
        DELETE child;
        child = next;
    }
}

// The siblings stay with the parent, reached from the next one when this was the first.
void InterfaceObject::LeaveParent() {
    if (m_parent != nullptr && m_parent->m_firstChild == this) {
        m_parent->m_firstChild = GetNextSibling();
        if (m_parent->m_firstChild == nullptr)
            m_parent->m_flags &= ~kWidgetHasChildren;
    }
    Unlink();
    m_parent = nullptr;
}

InterfaceObject* InterfaceObject::GetNextSibling() const {
    return static_cast<InterfaceObject*>(GetNext());
}

void InterfaceObject::Setup(uint32_t type, const Rect& rect, const char* text,
                            InterfaceObject* parent) {
    m_type = type;
    m_parent = parent;
    SetRect(parent != nullptr ? rect.Translated(parent->m_rect.x1, parent->m_rect.y1) : rect);
    SetText(text);
    if (type == kWidgetImage) {
        SetDirty(true);
        SetEnabled(false);
    } else {
        SetEnabled(type != kWidgetLabel);
    }
    SetPressInSound(kDefaultPressIn);
    SetPressOutSound(kDefaultPressOut);
}

InterfaceObject* InterfaceObject::AddChild(uint32_t type, const Rect& rect, const char* text) {
    InterfaceObject* const child = NEW InterfaceObject();
    child->Setup(type, rect, text, this);
    if (m_firstChild != nullptr)
        child->InsertBefore(*m_firstChild);
    m_firstChild = child;
    m_flags |= kWidgetHasChildren;
    return child;
}

InterfaceObject* InterfaceObject::AddImageButton(uint32_t id, const char* image, int x, int y) {
    InterfaceObject* const button = AddChild(kWidgetButton, Rect::Make(x, y, x, y), "");
    button->SetId(id);
    button->SetImage(image);
    button->SetImage2(image);
    return button;
}

Graphic* InterfaceObject::LoadImage(const char* name) {
    if (g_dataPaths == nullptr || g_interface == nullptr)
        return nullptr;
    const Stringc path = g_dataPaths->GetInterfaceDir() + "/" + name;
    Graphic* const image = g_interface->GetGraphic(path.c_str());
    if (image != nullptr)
        SetRect(Rect::Make(m_rect.x1, m_rect.y1, m_rect.x1 + image->GetWidth(),
                           m_rect.y1 + image->GetHeight()));
    return image;
}

void InterfaceObject::SetImage(const char* name) {
    m_image = LoadImage(name);
}

void InterfaceObject::SetImage2(const char* name) {
    m_image2 = LoadImage(name);
}

void InterfaceObject::SetText(const char* text) {
    m_text = text;
    m_displayText = text;
}

void InterfaceObject::SetRect(const Rect& rect) {
    m_rect = rect;
    SetDirty(true);
}

bool InterfaceObject::Contains(int x, int y) const {
    return m_rect.Covers(x, y);
}

// This object's ring, then the ring of its first child, and so on down.
template <class Visit> void InterfaceObject::ForEachOnFirstChildLine(Visit visit) {
    for (InterfaceObject* start = this; start != nullptr; start = start->m_firstChild) {
        InterfaceObject* member = start;
        do {
            visit(*member);
            member = member->GetNextSibling();
        } while (member != nullptr && member != start);
    }
}

template <class Test> InterfaceObject* InterfaceObject::FirstChild(Test test) const {
    InterfaceObject* found = nullptr;
    ForEachChild([&](InterfaceObject& child) {
        if (found == nullptr && test(child))
            found = &child;
    });
    return found;
}

void InterfaceObject::Move(int dx, int dy) {
    ForEachOnFirstChildLine(
        [dx, dy](InterfaceObject& member) { member.SetRect(member.m_rect.Translated(dx, dy)); });
}

void InterfaceObject::SetPressInSound(const char* name) {
    m_pressInSound = name;
    PreloadSound(m_pressInSound);
}

void InterfaceObject::SetPressOutSound(const char* name) {
    m_pressOutSound = name;
    PreloadSound(m_pressOutSound);
}

void InterfaceObject::SetFonts(int normal, int highlight) {
    m_flags = (m_flags & ~(kWidgetFontMask | kWidgetHighFontMask)) |
              (static_cast<uint32_t>(normal & 7) << 6) |
              (static_cast<uint32_t>(highlight & 7) << 9);
}

int InterfaceObject::GetFont() const {
    return Has(kWidgetUseHighFont) ? (m_flags & kWidgetHighFontMask) >> 9
                                   : (m_flags & kWidgetFontMask) >> 6;
}

InterfaceObject* InterfaceObject::FindChild(uint32_t id) const {
    return FirstChild([id](const InterfaceObject& child) { return child.m_id == id; });
}

InterfaceObject* InterfaceObject::GetClickedChild() const {
    return FirstChild([](const InterfaceObject& child) { return child.IsClicked(); });
}

InterfaceObject* InterfaceObject::GetFocusedChild() const {
    return FirstChild([](const InterfaceObject& child) { return child.HasFocus(); });
}

InterfaceObject* InterfaceObject::GetSelectedChild() const {
    return FirstChild([](const InterfaceObject& child) { return child.IsSelected(); });
}

InterfaceObject* InterfaceObject::ChildAt(int x, int y) const {
    return FirstChild([x, y](const InterfaceObject& child) {
        return child.Has(kWidgetVisible) && child.Contains(x, y);
    });
}

InterfaceObject* InterfaceObject::GetCapturedChild() const {
    return FirstChild(
        [](const InterfaceObject& child) { return child.IsPressed() || child.IsSelected(); });
}

void InterfaceObject::Press() {
    if (!IsLive() || IsPressed())
        return;
    m_flags |= kWidgetPressed;
    PlaySound(m_pressOutSound);
}

void InterfaceObject::Unpress() {
    if (IsLive())
        SetFlag(kWidgetPressed, false);
}

void InterfaceObject::SetClicked() {
    if (IsLive())
        SetFlag(kWidgetClicked, true);
}

void InterfaceObject::ClearPressed() {
    ForEachOnFirstChildLine(
        [](InterfaceObject& member) { member.m_flags &= ~(kWidgetPressed | kWidgetClicked); });
}

void InterfaceObject::ClearInputState() {
    ForEachOnFirstChildLine([](InterfaceObject& member) {
        member.m_flags &= ~(kWidgetPressed | kWidgetClicked | kWidgetSelected | kWidgetFocus);
    });
}

void InterfaceObject::ShowCursor(bool shown) {
    m_displayText = shown ? m_text + kCursor : m_text;
    SetFlag(kWidgetCursorShown, shown);
    SetDirty(true);
}

void InterfaceObject::Update(bool blink) {
    if (m_type == kWidgetTextEdit) {
        const bool shown = Has(kWidgetCursorShown);
        const bool wanted = HasFocus() && blink;
        if (shown != wanted)
            ShowCursor(wanted);
    }
    ForEachChild([this, blink](InterfaceObject& child) {
        child.Update(blink);
        if (child.IsDirty())
            SetDirty(true);
    });
}

void InterfaceObject::Draw(Screen& screen) {
    if (!IsDirty() || !Has(kWidgetVisible))
        return;
    if (m_type > kWidgetLabel)
        return;
    {
        BlitStateScope blitState;
        Graphic::SetBlitMode(0);
        DrawOwn(screen);
    }
    ForEachChild([&screen](InterfaceObject& child) {
        child.SetDirty(true);
        child.Draw(screen);
    });
    SetDirty(false);
}

void InterfaceObject::DrawOwn(Screen& screen) const {
    const Graphic* image = nullptr;
    switch (m_type) {
    case kWidgetImage:
        image = m_image;
        break;
    case kWidgetButton:
        image = IsPressed() ? m_image : m_image2;
        break;
    case kWidgetSlider:
        image = IsPressed() ? m_image2 : m_image;
        break;
    case kWidgetToggle:
        image = IsOn() ? m_image : m_image2;
        break;
    case kWidgetRadio:
        image = IsSelected() || IsPressed() ? m_image : nullptr;
        break;
    case kWidgetTextEdit:
        DrawTextEdit(screen);
        break;
    case kWidgetLabel:
        screen.SetFont(GetFont());
        screen.DrawText(m_rect.x1, m_rect.y1, m_displayText);
        break;
    }
    if (image != nullptr)
        image->Draw(screen.GetSurface(), m_rect.x1, m_rect.y1);
}

// Unfocused text is clipped short of the right edge; focused text may run past it.
void InterfaceObject::DrawTextEdit(Screen& screen) const {
    screen.SetFont(GetFont());
    const int offset = (std::abs(m_rect.y2 - m_rect.y1) - screen.FontHeight()) / 2 - 1;
    if (HasFocus()) {
        screen.DrawText(m_rect.x1 + 5, m_rect.y1 + offset, m_displayText);
        return;
    }
    screen.SetClipRect(m_rect.x1, m_rect.y1, m_rect.x2 - 3, m_rect.y2);
    screen.DrawText(m_rect.x1 + 5, m_rect.y1 + offset, m_displayText);
    screen.ResetClipRect();
}
