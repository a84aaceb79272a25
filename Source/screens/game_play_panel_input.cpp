// The play screen's mouse and keys: the bars' item slots, orders on the map and the
// command box, a press-drag-release menu of the right button.
#include "Source/screens/game_play_panel.h"

#include "Library/core/vector.h"
#include "Library/interface/mouse_mgr.h"
#include "Library/interface/mouse_position.h"
#include "Library/interface/popup_window.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/screens/command_boxes.h"
#include "Source/screens/party_orders.h"

namespace {

constexpr float kTalkDistance = 5.0f;

bool IsButton(const SDL_Event& event, Uint8 type, Uint8 button) {
    return event.type == type && event.button.button == button;
}

bool IsButtonEvent(const SDL_Event& event) {
    return event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP;
}

Entity* EntityUnderPointer() {
    return g_entityMgr ? g_entityMgr->FindEntityAt(g_mouseX, g_mouseY) : nullptr;
}

Vector PointUnder(int x, int y) {
    return g_tileMap ? g_tileMap->ScreenToWorld(x, y) : Vector();
}

} // namespace

void GamePlayPanel::HandleEvent(const SDL_Event& event) {
    // Only the right button drops a chosen item: the left press before a click on the
    // map belongs to that click.
    if (IsButtonEvent(event) && event.button.button == SDL_BUTTON_RIGHT)
        ClearPendingOrder();
    // While the message box shows, it alone takes input.
    if (m_hudState == kMessageShown)
        return;
    if (event.type == SDL_KEYUP) {
        Entity* member = Member();
        switch (event.key.keysym.sym) {
        case SDLK_ESCAPE:
            OpenScreen(kModeGameMenu);
            ClearPendingOrder();
            return;
        case SDLK_j: // the journal, from the map
            if (!OnStoryPage())
                OpenScreen(kModeQuestLog);
            return;
        case SDLK_COMMA:
            if (m_services.party)
                m_services.party->TurnPrev(member);
            return;
        case SDLK_PERIOD:
            if (m_services.party)
                m_services.party->TurnNext(member);
            return;
        case SDLK_r:
            if (m_services.party)
                m_services.party->ToggleRun(member);
            return;
        case SDLK_g: // the world's picture, which nothing else opens
            if (!OnStoryPage()) {
                OpenScreen(kModeWorldMapPicture);
                ClearPendingOrder();
            }
            return;
        default:
            break;
        }
    }
    switch (m_hudState) {
    case kOverBottomBar:
        HandleBarRelease(event);
        break;
    case kOverView:
        HandleViewEvent(event);
        break;
    case kCommandBoxOpen:
        HandleCommandBoxEvent(event);
        break;
    }
}

void GamePlayPanel::HandleBarRelease(const SDL_Event& event) {
    const bool left = IsButton(event, SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
    const bool right = IsButton(event, SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);
    if ((!left && !right) || !m_services.party)
        return;
    Entity* member = Member();
    for (int slot = 0; slot < kQuickSlots; ++slot) {
        ItemEntity* item = m_shown.quickItems[slot];
        if (!item || !m_quickRects[slot].Covers(g_mouseX, g_mouseY))
            continue;
        ClearPendingOrder();
        if (right) {
            m_services.party->UseItemOn(member, item, member);
        } else {
            m_pendingItem = item;
            if (g_mouseMgr)
                g_mouseMgr->SetKind(kCursorUseItem);
        }
        return;
    }
    if (!m_weaponRect.Covers(g_mouseX, g_mouseY))
        return;
    if (right)
        m_services.party->ReloadWeapon(member);
    else
        m_services.party->NextItemEntry(member);
}

// Orders on the map; the story page's book has none.
void GamePlayPanel::HandleViewEvent(const SDL_Event& event) {
    if (OnStoryPage() || !m_services.party)
        return;
    Entity* member = Member();
    if (IsButton(event, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT)) {
        m_commandTarget = EntityUnderPointer();
        const Rect view = g_tileMap ? g_tileMap->GetViewRect() : Rect{0, 0, 800, 600};
        if (ShowObjectCommandBox(m_commandTarget, member, view, m_commandBox))
            SetHover(kCommandBoxOpen); // the box is made active by the next update
        return;
    }
    if (IsButton(event, SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT)) {
        if (m_pendingItem) {
            m_services.party->UseItemOn(member, m_pendingItem, EntityUnderPointer());
            ClearPendingOrder();
        } else {
            m_services.party->WalkToMouse(member);
        }
        return;
    }
    const SDLMod held = event.key.keysym.mod;
    if (event.type == SDL_KEYUP && !((held & KMOD_SHIFT) && (held & KMOD_CTRL)))
        OrderByKey(event.key.keysym.sym);
}

void GamePlayPanel::OrderByKey(SDLKey key) {
    Entity* member = Member();
    Entity* target = EntityUnderPointer();
    const Vector point = PointUnder(g_mouseX, g_mouseY);
    PartyOrders& party = *m_services.party;
    const struct {
        SDLKey key;
        int spell;
    } casts[] = {{SDLK_b, 2213}, {SDLK_e, 4004}, {SDLK_f, 4005}, {SDLK_m, 2112},
                 {SDLK_n, 2304}, {SDLK_q, 4006}, {SDLK_w, 4007}};
    switch (key) {
    case SDLK_a:
        party.Attack(member, target);
        return;
    case SDLK_o:
        party.Open(member, target);
        return;
    case SDLK_t:
        party.Talk(member, target, kTalkDistance);
        return;
    default:
        break;
    }
    for (const auto& cast : casts)
        if (cast.key == key)
            party.CastSpell(member, cast.spell, target, point);
}

// A release of the right button away from the box, or a left press, closes it.
void GamePlayPanel::HandleCommandBoxEvent(const SDL_Event& event) {
    if (!m_commandBox)
        return;
    if ((IsButton(event, SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT) &&
         !m_commandBox->Contains(g_mouseX, g_mouseY)) ||
        IsButton(event, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT)) {
        SetHover(kOverView);
        return;
    }
    m_commandBox->HandleEvent(event);
}

void GamePlayPanel::UpdateCommandBox() {
    if (!m_commandBox) {
        SetHover(kOverView);
        return;
    }
    m_commandBox->Activate();
    const int id = m_commandBox->GetClickedId();
    if (id < 0)
        return;
    CarryOutCommand(id);
    SetHover(kOverView);
}

// The target may have gone while the box was open: it is then no target.
void GamePlayPanel::CarryOutCommand(int id) {
    int x = 0;
    int y = 0;
    m_commandBox->GetPosition(x, y);
    const Vector point = PointUnder(x, y);
    Entity* target =
        g_entityMgr && g_entityMgr->IsLive(m_commandTarget) ? m_commandTarget : nullptr;
    Entity* member = Member();
    if (!m_services.party)
        return;
    PartyOrders& party = *m_services.party;
    switch (id) {
    case kCommandExamine:
        party.Examine(target);
        break;
    case kCommandAttack:
        party.Attack(member, target);
        break;
    case kCommandTalk:
        party.Talk(member, target, kTalkDistance);
        break;
    case kCommandCollect:
        party.PickUp(member, target);
        break;
    case kCommandOpen:
        party.Open(member, target);
        break;
    case kCommandPickLock:
        party.CastSpell(member, 4004, target, point);
        break;
    case kCommandDisarmTrap:
        party.CastSpell(member, 4007, target, point);
        break;
    case 9:
        party.CastSpell(member, 4005, target, point);
        break;
    }
}
