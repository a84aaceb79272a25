// Where a queued entity's current frame is on the screen, and its drawing.
#include "Source/entities/queued_entity.h"

#include "Library/core/maths.h"
#include "Library/core/game_mode_id.h"
#include "Library/graphics/colour_mod.h"
#include "Library/graphics/screen.h"
#include "Library/interface/mouse_position.h"
#include "Library/world/tile_map.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/view_transform.h"

#include <climits>

Vector QueuedEntity::GetFrameOffsets() const {
    Vector offsets;
    m_animation.GetFrameOffsets(offsets.x, offsets.y, offsets.z);
    return offsets;
}

bool QueuedEntity::IsOnExploredCell() const {
    if (CurrentModeId() != kModeAreaMap)
        return true;
    const TileMap* map = GetManager() ? GetManager()->GetTileMap() : nullptr;
    const Vector& position = GetPosition();
    return map != nullptr &&
           map->IsExplored(ToIntWithin(position.x, INT_MIN, INT_MAX),
                           ToIntWithin(position.y, INT_MIN, INT_MAX));
}

bool QueuedEntity::UpdateScreenPos(Screen& /*screen*/) {
    RemoveFlags(kFlagMouseOver);
    PlaceOnScreen(GetFrameOffsets());
    const ScreenPos& rect = GetScreenRect();
    if (!m_animation.IsOnScreen(rect.x, rect.y) || !IsOnExploredCell())
        return false;
    m_animation.Update();
    PlaceOnScreen(GetFrameOffsets());
    CheckMouseOver();
    return true;
}

void QueuedEntity::UpdateMouseOver(Screen& screen) {
    RemoveFlags(kFlagMouseOver);
    if (ContainsPoint(g_mouseX, g_mouseY))
        AddFlags(kFlagMouseOver);
    const ScreenPos& rect = GetScreenRect();
    if (!m_animation.IsOnScreen(rect.x, rect.y))
        return;
    m_animation.ApplyColourMod(ColourMod());
    m_animation.DrawSurface(screen.GetVideoSurface(), rect.x, rect.y);
    if (CurrentModeId() == kModeMapEditor && HasAnyFlag(kFlagMouseOver)) {
        SetHighlightColour(screen);
        m_animation.DrawOutline(screen.GetSurface(), rect.x, rect.y);
    }
}

bool QueuedEntity::Draw(Screen& screen) {
    const ScreenPos& rect = GetScreenRect();
    m_animation.DrawSurface(screen.GetVideoSurface(), rect.x, rect.y);
    DrawHighlight(screen);
    return true;
}

void QueuedEntity::DrawHighlight(Screen& screen) {
    if (!HasAnyFlag(kFlagMouseOver))
        return;
    SetHighlightColour(screen);
    const ScreenPos& rect = GetScreenRect();
    m_animation.DrawOutline(screen.GetSurface(), rect.x, rect.y);
}

bool QueuedEntity::HitTestPixel(int x, int y) const {
    const ScreenPos& rect = GetScreenRect();
    return m_animation.HitTest(x - rect.x - m_animation.GetCropX(),
                               y - rect.y - m_animation.GetCropY());
}
