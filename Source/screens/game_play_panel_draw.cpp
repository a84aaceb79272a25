// The play screen's drawing: the book, the bars with their readouts, the boxes over them.
#include "Source/screens/game_play_panel.h"

#include "Library/core/maths.h"
#include "Library/graphics/animation_mgr.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/screen.h"
#include "Library/graphics/update_rectangles.h"
#include "Library/interface/bar_meter.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/interface_object.h"
#include "Library/interface/message_box.h"
#include "Library/interface/mouse_mgr.h"
#include "Library/interface/popup_window.h"
#include "Library/world/game_mode.h"
#include "Source/creatures/item_ability.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"

#include <climits>
#include <cmath>

namespace {

constexpr int kLabelFont = 5;
constexpr int kCountFont = 0;
constexpr Rect kBookArea{0, 32, 800, 517};
constexpr Rect kPictureClip{0, 33, 800, 517};
constexpr int kPictureBoxX = 84;
constexpr int kPictureBoxY = 84;
constexpr int kPictureBoxWidth = 286;
constexpr int kPictureBoxHeight = 402;
constexpr Rect kStateBox{368, 7, 430, 23};
constexpr Rect kCountdownArea{436, 5, 439, 25};
constexpr int kCountdownLength = 18;
constexpr int kCountdownMax = 100;
constexpr float kCountdownScale = 0.6666667f; // a full countdown of 150 is 100

void AddUpdate(const Rect& rect) {
    if (g_updateRects)
        g_updateRects->Add(rect.x1, rect.y1, rect.x2 - rect.x1, rect.y2 - rect.y1);
}

// The rectangle shrunk by 2, a pixel up and left while its button is held.
Rect InnerRect(const Rect& rect, bool held) {
    const int shift = held ? -1 : 0;
    return Rect::Make(rect.x1 + 2 + shift, rect.y1 + 2 + shift, rect.x2 - 2 + shift,
                      rect.y2 - 2 + shift);
}

// The item's icon in the middle of the rectangle.
void DrawIcon(Screen& screen, ItemEntity& item, const Rect& rect) {
    AnimationMgr& icon = item.GetAnimation();
    icon.Update();
    const int x = (rect.x1 + rect.x2 - icon.GetFrameWidth()) / 2;
    const int y = (rect.y1 + rect.y2 - icon.GetFrameHeight()) / 2;
    icon.DrawSurface(screen.GetVideoSurface(), x, y);
}

void PrintRight(Screen& screen, int right, int y, const Stringc& text) {
    screen.DrawText(right - screen.TextWidth(text.c_str()), y, text);
}

Stringc Number(int value) {
    Stringc text;
    text.Format("%d", value);
    return text;
}

} // namespace

void GamePlayPanel::Draw(Screen& screen) {
    if (m_book && (m_redrawPage || m_book->IsDirty()))
        DrawBook(screen);
    if (m_redrawBottomBar || m_bottomBar->IsDirty())
        DrawBottomBar(screen);
    if (m_redrawTopBar || m_topBar->IsDirty())
        DrawTopBar(screen);
    DrawCombatCountdown(screen);
    if (m_hudState == kMessageShown)
        m_messageBox->Draw(screen);
    if (m_levelUpShown) {
        m_levelUp->SetDirty(true);
        m_levelUp->Draw(screen);
    }
    if (m_commandBox)
        m_commandBox->Draw(screen);
    if (g_mouseMgr)
        g_mouseMgr->SetKind(m_pendingItem ? kCursorUseItem : kCursorPointer);
    const Graphic* sidePanel = m_sidePanel.Get();
    if (g_gameMode->IsOnMap() && m_redrawSidePanel && sidePanel) {
        Graphic::SetBlitMode(0);
        sidePanel->Draw(screen.GetSurface(), 0, 32);
        AddUpdate(Rect::Make(0, 32, sidePanel->GetWidth(), 32 + sidePanel->GetHeight()));
        m_redrawSidePanel = false;
    }
}

void GamePlayPanel::DrawBook(Screen& screen) {
    m_redrawPage = false;
    m_book->SetDirty(true);
    m_book->Draw(screen);
    if (Graphic* picture = m_pagePicture.Get()) {
        screen.SetClipRectFrom(kPictureClip);
        Graphic::SetBlitMode(0);
        picture->Draw(screen.GetSurface(),
                      kPictureBoxX + (kPictureBoxWidth - picture->GetWidth()) / 2,
                      kPictureBoxY + (kPictureBoxHeight - picture->GetHeight()) / 2);
        screen.ResetClipRect();
    }
    m_services.pageText.Draw(screen);
    AddUpdate(kBookArea);
}

void GamePlayPanel::DrawBottomBar(Screen& screen) {
    m_redrawBottomBar = false;
    g_gameMode->InvalidateScreen();
    m_bottomBar->SetDirty(true);
    m_bottomBar->Draw(screen);
    DrawWeapon(screen);
    DrawQuickSlots(screen);
    m_services.messages.Draw(screen);
    AddUpdate(m_bottomBar->GetRect());
}

void GamePlayPanel::DrawTopBar(Screen& screen) {
    m_redrawTopBar = false;
    m_topBar->SetDirty(true);
    m_topBar->Draw(screen);
    const uint16_t colour = screen.GetDrawColour();
    screen.SetFont(kLabelFont);
    if (m_shown.war) {
        screen.SetDrawColour(Colour(255, 0, 0).Pack16());
        screen.FillRectColour(kStateBox);
        screen.DrawText(387, 8, "WAR");
    } else {
        screen.SetDrawColour(Colour(49, 66, 16).Pack16());
        screen.FillRectColour(kStateBox);
        screen.DrawText(380, 8, "PEACE");
    }
    screen.SetDrawColour(colour);
    if (Member())
        screen.Printf(732, 8, "%d/%d", m_shown.hitPoints, m_shown.maxHitPoints);
    AddUpdate(m_topBar->GetRect());
}

void GamePlayPanel::DrawCombatCountdown(Screen& screen) {
    const uint16_t colour = screen.GetDrawColour();
    screen.SetDrawColour(Colour(0, 0, 0).Pack16());
    screen.FillRectColour(kCountdownArea);
    screen.SetDrawColour(colour);
    BarMeter meter(437, 6, kCountdownLength, kCountdownMax, 0);
    meter.SetBarColourRGB(255, 0, 0);
    meter.SetBackColourRGB(127, 0, 0);
    meter.SetStyle(1);
    const int countdown = g_entityMgr ? g_entityMgr->GetCombatCountdown() : 0;
    meter.SetValue(static_cast<int>(static_cast<float>(countdown) * kCountdownScale));
    meter.Draw(screen);
    AddUpdate(kCountdownArea);
}

// The held item's icon and its use: the ability's name, and the charges left with the
// magazine's factor, or the count.
void GamePlayPanel::DrawWeapon(Screen& screen) {
    ItemEntity* weapon = m_shown.weapon;
    if (!weapon)
        return;
    const Rect inner = InnerRect(m_weaponRect, m_bottomBar->FindChild(kWeaponMode)->IsPressed());
    DrawIcon(screen, *weapon, inner);
    screen.SetFont(kLabelFont);
    const int bottom = inner.y2 - screen.FontHeight(); // the rows written in the label font
    screen.DrawText(inner.x1, bottom, weapon->GetAbilityName());
    const auto* ability = dynamic_cast<const ItemAbility*>(weapon->GetAbility());
    if (ability && ability->GetRoundsPerUse() != 0) {
        screen.SetFont(kCountFont);
        screen.DrawText(inner.x1, inner.y1, Number(weapon->GetQuantity()));
        screen.SetFont(kLabelFont);
        PrintRight(screen, inner.x2, inner.y1,
                   Number(ToIntWithin(ability->GetMagazineFactor(), INT_MIN, INT_MAX)));
    } else if (weapon->GetTotalCount() >= 1) {
        screen.SetFont(kCountFont);
        screen.DrawText(inner.x1, inner.y1, Number(weapon->GetTotalCount()));
    }
    screen.SetFont(kLabelFont);
    PrintRight(screen, inner.x2, bottom,
               Number(ToIntWithin(weapon->GetAbilityFloat(), INT_MIN, INT_MAX)));
}

void GamePlayPanel::DrawQuickSlots(Screen& screen) {
    screen.SetFont(kCountFont);
    for (int slot = 0; slot < kQuickSlots; ++slot) {
        ItemEntity* item = m_shown.quickItems[slot];
        if (!item)
            continue;
        const bool held = m_bottomBar->FindChild(kFirstQuickSlot + slot)->IsPressed();
        const Rect inner = InnerRect(m_quickRects[slot], held);
        DrawIcon(screen, *item, inner);
        if (item->GetTotalCount() > 0)
            PrintRight(screen, inner.x2, inner.y2 - screen.FontHeight(),
                       Number(item->GetTotalCount()));
    }
}
