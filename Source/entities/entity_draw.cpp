// Where an entity is on the screen, whether the mouse is over it, and its drawing.
#include "Source/entities/entity.h"

#include "Library/core/game_mode_id.h"
#include "Library/geometry/circle_tests.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/ellipse_shape.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/rect.h"
#include "Library/graphics/screen.h"
#include "Library/graphics/tinted_graphic.h"
#include "Library/interface/mouse_position.h"
#include "Source/entities/map_object.h"
#include "Source/entities/view_transform.h"

void Entity::PlaceOnScreen(const Vector& offset) {
    WorldToScreen(GetPosition() + offset, m_screenRect.x, m_screenRect.y);
}

void Entity::SetHighlightColour(Screen& screen) {
    const uint8_t grey = static_cast<uint8_t>(CurrentPulse() - 1);
    screen.SetDrawColour(Colour(grey, grey, grey).Pack16());
}

bool Entity::UpdateScreenPos(Screen& /*screen*/) {
    PlaceOnScreen(GetVector2());
    RemoveFlags(kFlagMouseOver);
    CheckMouseOver();
    return true;
}

void Entity::UpdateMouseOver(Screen& screen) {
    RemoveFlags(kFlagMouseOver);
    if (m_picture == nullptr)
        return;
    if (ContainsPoint(g_mouseX, g_mouseY))
        AddFlags(kFlagMouseOver);
    if (!m_picture->IsOnScreen(m_screenRect.x, m_screenRect.y))
        return;
    m_graphic->Draw(screen.GetSurface(), m_screenRect.x, m_screenRect.y);
    if (CurrentModeId() == kModeMapEditor && HasAnyFlag(kFlagMouseOver)) {
        SetHighlightColour(screen);
        m_graphic->DrawSourceMode11(screen.GetSurface(), m_screenRect.x, m_screenRect.y);
    }
}

bool Entity::Draw(Screen& screen) {
    if (m_picture == nullptr)
        return false;
    m_graphic->Draw(screen.GetSurface(), m_screenRect.x, m_screenRect.y);
    DrawHighlight(screen);
    return true;
}

void Entity::DrawHighlight(Screen& screen) {
    if (m_picture == nullptr || !HasAnyFlag(kFlagMouseOver))
        return;
    SetHighlightColour(screen);
    m_graphic->DrawSourceMode11(screen.GetSurface(), m_screenRect.x, m_screenRect.y);
}

int Entity::DrawRing(int a, int b, Screen& screen) {
    if (a < 0 || a >= kRingLimit || b < 0)
        return 0;
    EllipseShape ring;
    ring.valid = 1;
    WorldToScreen(GetPosition(), ring.x, ring.y);
    ring.radiusX = a;
    ring.radiusY = b;
    DrawEllipse(ring, &screen);
    return 0;
}

bool Entity::HitTestPixel(int x, int y) const {
    return m_picture != nullptr && ContainsPoint(x, y) &&
           m_picture->IsOpaqueAt(x - m_screenRect.x, y - m_screenRect.y);
}

bool Entity::ContainsPoint(int x, int y) const {
    return x >= m_screenRect.x && x < m_screenRect.x + m_screenRect.w && y >= m_screenRect.y &&
           y < m_screenRect.y + m_screenRect.h;
}

// The point given, which callers take from the mouse: a pick at another point tests that one.
bool Entity::ContainsMapPoint(int x, int y) const {
    return CircleNearPoint(*this, 0.0f, ScreenToWorld(x, y));
}

// A plain test: the party flag is never touched.
bool Entity::OverlapsRect(uint16_t x1, uint16_t y1, uint16_t x2, uint16_t y2) const {
    const Rect own = Rect::Make(m_screenRect.x, m_screenRect.y, m_screenRect.x + m_screenRect.w,
                                m_screenRect.y + m_screenRect.h);
    return Rect::Intersects(own, Rect::Make(x1, y1, x2, y2));
}

bool Entity::IsMouseOverShown() const {
    return HasAnyFlag(kFlagShown) && HitTest(g_mouseX, g_mouseY);
}

void Entity::CheckMouseOver() {
    if (IsMouseOverShown())
        AddFlags(kFlagMouseOver);
}

void Entity::SyncGraphicPosition() {
    m_graphic->SetPosition(m_screenRect.x, m_screenRect.y);
}

bool Entity::HitTest(int x, int y) const {
    if (GetType() == kTypeSoldier && !GetRef().IsDead())
        return ContainsMapPoint(x, y);
    return HitTestPixel(x, y);
}

bool Entity::HitTestZone(const MapObject& mapObject, int x, int y) const {
    const Vector point = ScreenToWorld(x, y);
    if (CurrentModeId() == kModeMapEditor)
        return (point - GetPosition()).LengthSquared() <= 1.0f;
    return mapObject.ZoneContains(point);
}
