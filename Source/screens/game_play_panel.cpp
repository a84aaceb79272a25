#include "Source/screens/game_play_panel.h"

#include "Library/core/random.h"
#include "Library/core/tracked_new.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/screen.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/interface/message_box.h"
#include "Library/interface/mouse_mgr.h"
#include "Library/interface/mouse_position.h"
#include "Library/interface/popup_window.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_data.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/game_rules.h"
#include "Source/creatures/item_ability.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/soldier_entity.h"
#include "Source/screens/dialog_boxes.h"
#include "Source/screens/interface_routines.h"
#include "Source/screens/party_orders.h"
#include "Source/world/drifting_lantern_page.h"

#include <cstdio>

PartyOrders* g_partyOrders = nullptr;

namespace {

constexpr int kQuickSlotX = 615;
constexpr int kQuickSlotStep = 61;
constexpr int kQuickSlotWidth = 52;
constexpr int kQuickSlotTop = 537;
constexpr int kQuickSlotBottom = 582;

const WidgetEntry kBottomBarButtons[] = {
    {GamePlayPanel::kCharacter, kWidgetButton, 14, 14, 35, 15, "button_character.tga", "character"},
    {GamePlayPanel::kRest, kWidgetButton, 14, 35, 35, 15, "button_rest.tga", "rest"},
    {GamePlayPanel::kMenu, kWidgetButton, 14, 56, 35, 15, "button_menu.tga", "menu"},
    {GamePlayPanel::kMap, kWidgetButton, 448, 15, 35, 15, "button_map.tga", "map"},
    {GamePlayPanel::kInventory, kWidgetButton, 448, 35, 35, 15, "button_inventory.tga",
     "inventory"},
    {GamePlayPanel::kSelectScript, kWidgetButton, 448, 55, 35, 15, "button_sel_scr.tga",
     "select script"},
    {GamePlayPanel::kWeaponMode, kWidgetButton, 511, 14, 76, 57, "button_weapon_mode.tga",
     "wpn mode"},
    {GamePlayPanel::kFirstQuickSlot, kWidgetButton, 615, 20, 52, 45, "button_item_select.tga",
     "select item"},
    {GamePlayPanel::kFirstQuickSlot + 1, kWidgetButton, 676, 20, 52, 45, "button_item_select.tga",
     "select item"},
    {GamePlayPanel::kFirstQuickSlot + 2, kWidgetButton, 737, 20, 52, 45, "button_item_select.tga",
     "select item"},
    {GamePlayPanel::kPrevHand, kWidgetButton, 498, 14, 12, 57, "button_wpn_left.tga", "change wpn"},
    {GamePlayPanel::kNextHand, kWidgetButton, 588, 14, 12, 57, "button_wpn_right.tga",
     "change wpn"},
    {GamePlayPanel::kMessagesUp, kWidgetButton, 421, 21, 12, 20, "button_up2.tga", "U"},
    {GamePlayPanel::kMessagesDown, kWidgetButton, 421, 46, 12, 20, "button_dwn2.tga", "D"},
};
const WidgetEntry kBookButtons[] = {
    {GamePlayPanel::kPageUp, kWidgetButton, 764, 187, 12, 20, "button_up2.tga", "U"},
    {GamePlayPanel::kPageDown, kWidgetButton, 764, 212, 12, 20, "button_dwn2.tga", "D"},
};
const WidgetEntry kLevelUpButton[] = {
    {GamePlayPanel::kLevelUp, kWidgetButton, 0, 0, 60, 14, "button_level_up_press.tga", "level up"},
};

CreatureInventory* InventoryOf(Entity* member) {
    Creature* creature = Creature::Of(member);
    return creature ? &creature->GetData().GetInventory() : nullptr;
}

ItemEntity* CurrentItemOf(Entity* member) {
    SoldierEntity* soldier = nullptr;
    return Entity::AsSoldier(member, &soldier) ? soldier->GetCurrentItem() : nullptr;
}

// The item's name for a tooltip.
const Stringc& NameOf(const ItemEntity& item) {
    return item.GetText(item.IsIdentified() ? ItemEntity::kIdentifiedName : ItemEntity::kName);
}

} // namespace

WindowLayout GamePlayPanel::TopBarLayout() {
    return WindowLayout{WindowEntry{"menu_game_play_top.tga", "", 0, 0, 800, 32}, nullptr, 0};
}

WindowLayout GamePlayPanel::BottomBarLayout() {
    return MakeLayout(WindowEntry{"menu_game_play_bottom.tga", "", 0, 517, 800, 83},
                      kBottomBarButtons);
}

WindowLayout GamePlayPanel::BookLayout() {
    return MakeLayout(WindowEntry{"book_panel_graphic.tga", "", 0, 32, 800, 485}, kBookButtons);
}

WindowLayout GamePlayPanel::LevelUpLayout() {
    return MakeLayout(WindowEntry{"button_level_up_unpress.tga", "", 370, 503, 60, 14},
                      kLevelUpButton);
}

GamePlayPanel::GamePlayPanel(const Services& services)
    : m_services(services), m_mode(g_gameMode->GetModeId()) {
    m_services.messages.SetRect(Rect{69, 523, 413, 596});
    m_services.pageText.SetRect(Rect{426, 81, 711, 480});
    for (int slot = 0; slot < kQuickSlots; ++slot) {
        const int x = kQuickSlotX + slot * kQuickSlotStep;
        m_quickRects[slot] = Rect::Make(x, kQuickSlotTop, x + kQuickSlotWidth, kQuickSlotBottom);
    }
    m_topBar = BuildWindow(TopBarLayout());
    m_bottomBar = BuildWindow(BottomBarLayout());
    m_levelUp = BuildWindow(LevelUpLayout());
    if (OnStoryPage()) {
        m_book = BuildWindow(BookLayout());
        m_book->FindChild(kPageUp)->SetImage2("button_up2_unpress.tga");
        m_book->FindChild(kPageDown)->SetImage2("button_dwn2_unpress.tga");
    }
    m_messageBox = MakeNoticeBox();
    ActivateHoverWindow(); // the state starts over the view, where a page's book takes clicks
    if (g_screen) {
        RefreshQuickItems(*g_screen, true);
        RefreshWeapon(*g_screen, true);
        g_screen->SetDrawColour(Colour(0, 0, 0).Pack16());
        g_screen->Clear();
    }
    RefreshTopBar(true);
    m_sidePanel = LoadSidePanel();
    m_redrawSidePanel = m_sidePanel.Get() != nullptr;
    if (g_gameMode->IsOnMap())
        g_gameMode->SetPaused(false);
    m_levelUp->SetVisible(false);
    if (g_page) {
        g_page->SetView(this);
        if (OnStoryPage() && g_page->GetPicture() > 0) // the page's, over a screen left
            LoadSmallSplash(g_page->GetPicture());
    }
}

// The interface's images outlive the screen when the fatal error box replaces it: the side
// panel goes back here, not with the next mode's change.
GamePlayPanel::~GamePlayPanel() {
    if (g_page)
        g_page->SetView(nullptr);
    m_commandBox.reset();
    if (g_screen) {
        g_screen->SetDrawColour(Colour(0, 0, 0).Pack16());
        g_screen->Clear();
    }
    FreeGraphic(m_sidePanel);
    FreeGraphic(m_pagePicture);
}

Entity* GamePlayPanel::Member() const {
    return m_services.party ? m_services.party->GetActiveMember() : nullptr;
}

bool GamePlayPanel::OnStoryPage() const {
    return m_mode == kModeStoryPage;
}

// A mode without a screen is not asked for: the play screen stays as it is.
void GamePlayPanel::OpenScreen(int mode) {
    if (m_services.openScreen && m_services.openScreen(mode))
        g_gameMode->SetMode(mode);
}

bool GamePlayPanel::ShowMessage(const char* text) {
    m_messageBox->SetText(text);
    SetHover(kMessageShown);
    return true;
}

int GamePlayPanel::LoadRandomSmallSplash() {
    const int number = RandomInt(1, kSmallSplashes + 1);
    LoadSmallSplash(number);
    return number;
}

void GamePlayPanel::LoadSmallSplash(int number) {
    FreeGraphic(m_pagePicture);
    Stringc name;
    name.Format("small_splash%d%s", number, ".bmp");
    m_pagePicture = LoadSplash(m_services.graphics, name.c_str());
    m_redrawPage = true;
}

void GamePlayPanel::SetHover(int state) {
    if (state == m_hudState)
        return;
    if (m_hudState == kCommandBoxOpen) {
        m_commandBox.reset();
        m_commandTarget = nullptr;
    }
    m_hudState = state;
    ActivateHoverWindow();
}

void GamePlayPanel::ActivateHoverWindow() {
    switch (m_hudState) {
    case kOverBottomBar:
        g_interface->SetActive(m_bottomBar);
        break;
    case kOverTopBar:
        g_interface->SetActive(m_topBar);
        break;
    case kOverView:
        if (m_book)
            g_interface->SetActive(m_book);
        break;
    case kOverLevelUp:
        g_interface->SetActive(m_levelUp);
        break;
    }
}

void GamePlayPanel::ClearPendingOrder() {
    m_pendingItem = nullptr;
    m_redrawBottomBar = true;
}

void GamePlayPanel::Update(Screen& screen) {
    UpdateLevelUp();
    if (m_hudState == kMessageShown) {
        UpdateMessageBox();
        return;
    }
    if (UpdateGameOver())
        return;
    UpdateHoverState();
    switch (m_hudState) {
    case kOverView:
        UpdateView(screen);
        break;
    case kCommandBoxOpen:
        UpdateCommandBox();
        break;
    case kOverLevelUp:
        if (const InterfaceObject* clicked = m_levelUp->GetClickedChild();
            clicked && clicked->GetId() == kLevelUp) {
            m_levelUpShown = false;
            m_levelUp->SetVisible(false);
            OpenScreen(kModeCharacterSheet);
            ClearPendingOrder();
        }
        break;
    }
    UpdateBottomBar(screen);
}

void GamePlayPanel::UpdateLevelUp() {
    if (!m_services.party)
        return;
    if (!m_levelUpShown) {
        m_services.party->LevelUpMembers();
        m_levelUpShown = m_services.party->HasLevelUpPending();
    } else if (!m_services.party->HasLevelUpPending()) {
        m_levelUpShown = false;
        m_redrawSidePanel = true;
    }
    m_levelUp->SetVisible(m_levelUpShown);
}

// The member's death ends the game once its last hit and item use are done; so does a
// party left on the map with no member, its last one released.
bool GamePlayPanel::UpdateGameOver() {
    if (m_services.party == nullptr || (Member() == nullptr && OnStoryPage()))
        return false;
    SoldierEntity* member = nullptr;
    if (Member() != nullptr &&
        (!Entity::AsSoldier(Member(), &member) || member->IsAlive() ||
         member->HasOrderOrEventOfKind(SoldierEntity::kEventUse, SoldierEntity::kOrderUse) ||
         member->HasOrderOrEventOfKind(SoldierEntity::kEventHit, SoldierEntity::kOrderHit)))
        return false;
    OpenScreen(kModeGameOver);
    return true;
}

void GamePlayPanel::UpdateHoverState() {
    int state = m_hudState == kCommandBoxOpen ? kCommandBoxOpen : kOverView;
    if (m_topBar->Contains(g_mouseX, g_mouseY))
        state = kOverTopBar;
    else if (m_bottomBar->Contains(g_mouseX, g_mouseY))
        state = kOverBottomBar;
    else if (m_levelUpShown && m_levelUp->Contains(g_mouseX, g_mouseY))
        state = kOverLevelUp;
    SetHover(state);
}

// The book scrolls on the story page; on the map the thing under a resting pointer is
// named, with the chance to hit it.
void GamePlayPanel::UpdateView(Screen& screen) {
    const uint32_t frameMs = g_gameMode->GetFrameMs();
    if (m_book) {
        if (m_book->FindChild(kPageUp)->IsPressed()) {
            m_services.pageText.ScrollDown(frameMs);
            m_redrawPage = true;
        }
        if (m_book->FindChild(kPageDown)->IsPressed()) {
            m_services.pageText.ScrollUp(frameMs);
            m_redrawPage = true;
        }
    }
    if (OnStoryPage() || !g_entityMgr || !g_mouseMgr || !g_mouseMgr->IsHovering())
        return;
    Entity* hovered = g_entityMgr->FindEntityAt(g_mouseX, g_mouseY);
    if (!hovered || hovered == m_lastHovered)
        return;
    m_lastHovered = hovered;
    if (hovered->GetDisplayName().Length() > 0) // a nameless thing would leave a blank line
        m_services.messages.AddText(hovered->GetDisplayName().c_str());
    ItemEntity* weapon = CurrentItemOf(Member());
    auto* ability = weapon ? dynamic_cast<ItemAbility*>(weapon->GetAbility()) : nullptr;
    int chance = 0;
    if (ability && GameRules::EvaluateAttack(Member(), ability, hovered, chance)) {
        Stringc tip;
        tip.Format("%d%%", chance);
        g_mouseMgr->SetHoverText(tip, screen);
    }
}

void GamePlayPanel::UpdateMessageBox() {
    m_messageBox->Poll();
    if (!m_messageBox->TakeFirstButton())
        return;
    m_redrawPage = m_redrawBottomBar = m_redrawTopBar = true;
    SetHover(kOverView);
    if (g_page)
        g_page->OnMessageClosed();
}

void GamePlayPanel::UpdateBottomBar(Screen& screen) {
    const bool quickItemsChanged = RefreshQuickItems(screen, false);
    const bool weaponChanged = RefreshWeapon(screen, false); // both refresh every frame
    if (quickItemsChanged || weaponChanged)
        m_redrawBottomBar = true;
    const uint32_t frameMs = g_gameMode->GetFrameMs();
    if (m_bottomBar->FindChild(kMessagesUp)->IsPressed()) {
        m_services.messages.ScrollDown(frameMs);
        ClearPendingOrder();
    }
    if (m_bottomBar->FindChild(kMessagesDown)->IsPressed()) {
        m_services.messages.ScrollUp(frameMs);
        ClearPendingOrder();
    }
    if (m_services.pageText.TakeRedraw())
        m_redrawPage = true;
    if (m_services.messages.TakeRedraw())
        m_redrawBottomBar = true;
    if (const InterfaceObject* clicked = m_bottomBar->GetClickedChild())
        ActOnBottomBar(clicked->GetId());
    if (RefreshTopBar(false))
        m_redrawTopBar = true;
}

void GamePlayPanel::ActOnBottomBar(uint32_t id) {
    Entity* member = Member();
    switch (id) {
    case kCharacter:
        OpenScreen(kModeCharacterSheet);
        break;
    case kRest:
        if (m_services.party)
            m_services.party->Rest(member);
        break;
    case kMenu:
        OpenScreen(kModeGameMenu);
        break;
    case kMap:
        if (!OnStoryPage())
            OpenScreen(kModeMapPicture);
        break;
    case kInventory:
        OpenScreen(kModeInventory);
        break;
    case kSelectScript:
        OpenScreen(kModePlayerScript);
        break;
    case kPrevHand:
    case kNextHand:
        if (m_services.party) {
            if (id == kPrevHand)
                m_services.party->PrevHand(member);
            else
                m_services.party->NextHand(member);
        }
        if (ItemEntity* weapon = CurrentItemOf(member))
            weapon->LoadIcon();
        break;
    default:
        return;
    }
    ClearPendingOrder();
}

bool GamePlayPanel::RefreshQuickItems(Screen& screen, bool force) {
    const CreatureInventory* inventory = InventoryOf(Member());
    bool changed = force;
    for (int slot = 0; slot < kQuickSlots; ++slot) {
        ItemEntity* item =
            inventory ? inventory->GetSlot(kFirstQuickInventorySlot + slot) : nullptr;
        if (item != m_shown.quickItems[slot]) {
            m_shown.quickItems[slot] = item;
            if (item)
                item->LoadIcon();
            changed = true;
        }
        InterfaceObject* button = m_bottomBar->FindChild(kFirstQuickSlot + slot);
        button->SetEnabled(item != nullptr || button->IsPressed());
        if (item && m_hudState == kOverBottomBar && g_mouseMgr && g_mouseMgr->IsHovering() &&
            m_quickRects[slot].Covers(g_mouseX, g_mouseY))
            g_mouseMgr->SetHoverText(NameOf(*item), screen);
    }
    return changed;
}

bool GamePlayPanel::RefreshWeapon(Screen& screen, bool force) {
    ItemEntity* weapon = CurrentItemOf(Member());
    m_bottomBar->FindChild(kWeaponMode)->SetEnabled(weapon != nullptr);
    if (weapon && m_hudState == kOverBottomBar && g_mouseMgr && g_mouseMgr->IsHovering() &&
        m_weaponRect.Covers(g_mouseX, g_mouseY))
        g_mouseMgr->SetHoverText(NameOf(*weapon), screen);
    const int quantity = weapon ? weapon->GetQuantity() : -999;
    if (weapon != m_shown.weapon) {
        m_shown.weapon = weapon;
        if (weapon)
            weapon->LoadIcon();
        m_shown.quantity = quantity;
        return true;
    }
    const bool changed = force || quantity != m_shown.quantity;
    m_shown.quantity = quantity;
    return changed;
}

bool GamePlayPanel::RefreshTopBar(bool force) {
    const bool war = g_entityMgr && g_entityMgr->IsInCombat();
    int hitPoints = 0;
    int maximum = 0;
    HitPointsOf(Member(), hitPoints, maximum);
    const bool changed = force || war != m_shown.war || hitPoints != m_shown.hitPoints ||
                         maximum != m_shown.maxHitPoints;
    m_shown.war = war;
    m_shown.hitPoints = hitPoints;
    m_shown.maxHitPoints = maximum;
    return changed;
}
