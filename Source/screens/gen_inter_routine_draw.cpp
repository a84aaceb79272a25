// The display's drawing: the examined item's description and lines, the equipment slots,
// the item lists, the highlight of the examined item and whatever box or drag is under way.
#include "Source/screens/gen_inter_routine.h"

#include "Library/graphics/animation_mgr.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/screen.h"
#include "Library/interface/edit_box.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/message_box.h"
#include "Library/interface/mouse_position.h"
#include "Library/interface/popup_window.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/item_ability.h"
#include "Source/entities/container_entity.h"
#include "Source/entities/item_entity.h"
#include "Source/screens/sheet_texts.h"

#include <algorithm>

namespace {

constexpr int kSheetFont = 1;
constexpr int kCountFont = 0;
constexpr int kLinesX = 215;
constexpr int kLinesY = 400;
constexpr int kValueX = 60;
constexpr int kFirstQuickSlot = 14;
constexpr int kAllLists[] = {0, 1, 2, 3, 4};

void DrawIconCentred(Screen& screen, ItemEntity& item, const Rect& rect) {
    AnimationMgr& icon = item.GetAnimation();
    icon.Update();
    icon.DrawSurface(screen.GetVideoSurface(), (rect.x1 + rect.x2 - icon.GetFrameWidth()) / 2,
                     (rect.y1 + rect.y2 - icon.GetFrameHeight()) / 2);
}

// What a slot shows under its item: a weapon's rounds, else how many there are.
int SlotCount(const ItemEntity& item, int slot) {
    const auto* ability = dynamic_cast<const ItemAbility*>(item.GetAbility());
    if (slot < kFirstQuickSlot && ability && ability->GetRoundsPerUse() != 0)
        return item.GetQuantity();
    return item.GetTotalCount() >= 1 ? item.GetTotalCount() : -1;
}

} // namespace

void GenInterRoutine::DrawForInventory(bool showSlotItems, Screen& screen) {
    const bool whole = m_redraw;
    if (whole) {
        m_description->Draw(screen);
        screen.SetFont(kSheetFont);
        if (Entity* member = Member())
            BuildCombatSheet(member, screen, 277, 90);
        DrawShownLines(screen);
        if (showSlotItems)
            DrawSlotItems(screen);
        DrawList(kMemberBackpack, screen);
        DrawList(kOtherContainer, screen);
        DrawHighlight(screen);
        m_redraw = false;
    }
    if (whole)
        m_dragImage.Reset(); // what it saved was drawn over
    DrawState(screen);
}

void GenInterRoutine::DrawForTrade(Screen& screen) {
    const bool whole = m_redraw;
    if (whole) {
        m_redraw = false;
        m_description->Draw(screen);
        DrawShownLines(screen);
        for (int list : {kMemberBackpack, kMemberOffer, kTraderBackpack, kTraderOffer})
            DrawList(list, screen);
        DrawHighlight(screen);
        m_dragImage.Reset();
    }
    DrawState(screen);
}

void GenInterRoutine::DrawShownLines(Screen& screen) {
    screen.SetFont(kSheetFont);
    screen.DrawText(kLinesX, kLinesY, "Name:");
    screen.DrawText(kLinesX + kValueX, kLinesY, m_shownName);
    const int ammoY = kLinesY + screen.FontHeight();
    if (m_shownKind == static_cast<int>(ItemEntity::kClassWeapon) && m_ammoText.Length() > 0) {
        screen.DrawText(kLinesX, ammoY, "Ammo:");
        screen.Printf(kLinesX + kValueX, ammoY, "%s %s", m_chargesText.c_str(), m_ammoText.c_str());
    } else if (m_shownKind == static_cast<int>(ItemEntity::kClassAmmunition)) {
        screen.DrawText(kLinesX, ammoY, "Ammo:");
        screen.DrawText(kLinesX + kValueX, ammoY, m_chargesText);
    }
}

void GenInterRoutine::DrawSlotItems(Screen& screen) {
    if (!m_inventory)
        return;
    screen.SetFont(kCountFont);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        ItemEntity* item = m_inventory->GetSlot(slot);
        const Rect& rect = m_slotRects[slot];
        if (!item || rect.x1 == kUnplaced.x1)
            continue;
        DrawIconCentred(screen, *item, rect);
        if (const int count = SlotCount(*item, slot); count >= 0) {
            Stringc text;
            text.Format("%d", count);
            screen.DrawText(rect.x2 - screen.TextWidth(text.c_str()), rect.y2 - screen.FontHeight(),
                            text);
        }
    }
}

void GenInterRoutine::DrawList(int list, Screen& screen) {
    if (ContainerEntity* container = GetList(list)) {
        screen.SetFont(kCountFont);
        container->DrawContents(m_listRects[list], screen);
    }
}

void GenInterRoutine::DrawHighlight(Screen& screen) {
    if (!m_shown)
        return;
    Rect band{};
    int slot = -1;
    if (m_inventory && m_inventory->FindSlotOf(m_shown, slot) && slot < kSlotCount) {
        band = m_slotRects[slot];
        band.x2 = static_cast<int16_t>(band.x2 - 1);
        band.y2 = static_cast<int16_t>(band.y2 - 1);
    } else {
        const int* holder =
            std::find_if(std::begin(kAllLists), std::end(kAllLists), [this](int list) {
                return m_lists[list] && m_lists[list]->HasItem(m_shown);
            });
        if (holder == std::end(kAllLists))
            return;
        const Rect& rect = m_listRects[*holder];
        const ScreenPos& icon = m_shown->GetScreenRect();
        band = Rect::Make(rect.x1, std::max<int>(icon.y, rect.y1), rect.x2,
                          std::min<int>(icon.y + icon.h, rect.y2));
    }
    if (band.y2 <= band.y1 || band.x2 <= band.x1)
        return;
    const uint16_t colour = screen.GetDrawColour();
    screen.SetDrawColour(Colour(0, 255, 0).Pack16());
    screen.DrawRectFrom(band);
    screen.SetDrawColour(colour);
}

void GenInterRoutine::DrawState(Screen& screen) {
    screen.ResetClipRect();
    switch (m_state) {
    case kCommandBox:
        if (m_commandBox)
            m_commandBox->Draw(screen);
        break;
    case kQuantityBox:
        if (m_held && m_held->GetStackSize() > 1)
            m_quantityBox->Draw(screen);
        break;
    case kMessageShown:
        m_messageBox->Draw(screen);
        break;
    default:
        DrawDrag(screen);
        break;
    }
}

// The icon follows the pointer over a screen that is not redrawn: what lay under it last
// frame goes back first.
void GenInterRoutine::DrawDrag(Screen& screen) {
    if (!m_dragging || !m_held)
        return;
    const PixelSurface& surface = screen.GetSurface();
    m_dragImage.RestoreBackground(surface);
    AnimationMgr& icon = m_held->GetAnimation();
    const int x = g_mouseX - icon.GetFrameWidth() / 2;
    const int y = g_mouseY - icon.GetFrameHeight() / 2;
    const ScreenPos covered = icon.CoveredRect(x, y);
    m_dragImage.SetPosition(covered.x, covered.y);
    m_dragImage.SaveBackground(surface);
    m_dragImage.Draw(surface); // it has no image of its own: the icon is drawn below
    icon.Update();
    icon.DrawSurface(screen.GetVideoSurface(), x, y);
}
