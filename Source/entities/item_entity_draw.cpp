// An item's looks and sounds: on the map through the clip map, as an icon in lists.
#include "Source/entities/item_entity.h"

#include "Library/geometry/map_view.h"
#include "Library/graphics/colour_mod.h"
#include "Library/graphics/screen.h"
#include "Library/interface/mouse_position.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Library/world/view_scale.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_magazine.h"

namespace {

constexpr const char* kIconSet = "Icons/";
constexpr const char* kIconAnimation = "misc_1";

} // namespace

bool ItemEntity::Draw(Screen& screen) {
    AnimationMgr& animation = GetAnimation();
    animation.ApplyColourMod(GetColourMod());
    const ScreenPos& rect = GetScreenRect();
    const TileMap* map = GetManager() ? GetManager()->GetTileMap() : nullptr;
    if (map != nullptr) {
        animation.SetScreenPosition(rect.x, rect.y);
        map->GetClipMap().DrawClipped(screen.GetSurface(), g_viewScale, animation, rect.y, 255);
    } else {
        animation.DrawSurface(screen.GetVideoSurface(), rect.x, rect.y);
    }
    DrawHighlight(screen);
    return true;
}

bool ItemEntity::PrepareDraw(Screen& screen) {
    AnimationMgr& animation = GetAnimation();
    Vector offsets;
    animation.GetFrameOffsets(offsets.x, offsets.y, offsets.z);
    const Vector scale = g_viewScale.GetPixelsPerUnit();
    const int x = GetScreenRect().x + RoundToPixel(offsets.x * scale.x);
    const int y = GetScreenRect().y + RoundToPixel(offsets.y * scale.y);
    RemoveFlags(kFlagMouseOver);
    if (!animation.IsOnScreen(x, y))
        return false;
    animation.ApplyColourMod(ColourMod());
    animation.Update();
    // The icon is cropped to its opaque box and drawn shifted by the crop: the rectangle it
    // covers is the one a pick, the count beneath and the highlight go by.
    ScreenRect() = animation.CoveredRect(x, y);
    if (ContainsPoint(g_mouseX, g_mouseY))
        AddFlags(kFlagMouseOver);
    animation.ApplyColourMod(ColourMod());
    animation.DrawSurface(screen.GetVideoSurface(), x, y);
    return true;
}

bool ItemEntity::LoadIcon() {
    m_iconShown = 1;
    SetAnimationName(Stringc(kIconSet) + m_iconNames[0]);
    return SetAnimation(kIconAnimation);
}

bool ItemEntity::LoadIcon2() {
    m_iconShown = 0;
    SetAnimationName(Stringc(kIconSet) + m_iconNames[1]);
    return SetAnimation(kIconAnimation);
}

void ItemEntity::PlayNamedSound(const Stringc& name) {
    if (g_gameMode != nullptr && name.Length() > 0)
        g_gameMode->PlaySound(name.c_str(), 1, 255, nullptr, nullptr);
}

void ItemEntity::PlaySound(int flag) const {
    PlayNamedSound(m_sounds[flag == 1 ? 0 : 1]);
}

// The current ability's magazine: the last whose id its ammunition id names.
bool ItemEntity::MagazineOp(int flag) const {
    const ItemMagazine* found = nullptr;
    if (m_current != nullptr)
        m_magazines.ForEachUsed([&](const ItemMagazine& magazine) {
            if (m_current->GetAmmunitionId() == magazine.GetId())
                found = &magazine;
        });
    if (found == nullptr)
        return false;
    found->PlaySound(flag);
    return true;
}
