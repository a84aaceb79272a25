#include "Source/screens/player_inv_panel.h"

#include "Library/graphics/graphic.h"
#include "Library/graphics/screen.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/world/game_mode.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_data.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "Source/screens/gen_inter_routine.h"
#include "Source/screens/interface_routines.h"
#include "Source/screens/item_screen_frame.h"

namespace {

constexpr float kOpeningTime = 1.0f;

const WidgetEntry kButtons[] = {
    {PlayerInvPanel::kDone, kWidgetButton, 691, 537, 60, 14, "button_done.tga", "Done"},
    {PlayerInvPanel::kBackpackUp, kWidgetButton, 118, 277, 12, 20, "button_up.tga", "U"},
    {PlayerInvPanel::kBackpackDown, kWidgetButton, 118, 302, 12, 20, "button_dwn.tga", "D"},
    {PlayerInvPanel::kOtherUp, kWidgetButton, 737, 277, 12, 20, "button_up.tga", "U"},
    {PlayerInvPanel::kOtherDown, kWidgetButton, 737, 302, 12, 20, "button_dwn.tga", "D"},
    {PlayerInvPanel::kDescriptionUp, kWidgetButton, 591, 449, 12, 20, "button_up.tga", "U"},
    {PlayerInvPanel::kDescriptionDown, kWidgetButton, 591, 474, 12, 20, "button_dwn.tga", "D"},
};

} // namespace

WindowLayout PlayerInvPanel::Layout() {
    return MakeLayout(WindowEntry{"menu_inventory.tga", "", 0, 0, 800, 600}, kButtons);
}

PlayerInvPanel::PlayerInvPanel(GraphicMgr& graphics, ContainerEntity* container)
    : m_display(std::make_unique<GenInterRoutine>()) {
    m_window = BuildWindow(Layout());
    m_display->SetupForInventory(container);
    SoldierEntity* member = nullptr;
    if (g_entityMgr && Entity::AsSoldier(g_entityMgr->GetActivePartyMember(), &member)) {
        member->ClearCommand();
        if (Creature* creature = Creature::Of(member))
            creature->GetData().AddTimer(kOpeningTime, g_gameMode->IsOnMap());
    }
    m_picture = LoadSplash(graphics, "");
}

PlayerInvPanel::~PlayerInvPanel() {
    m_display->CloseInventory();
    m_display.reset();
    FreeGraphic(m_picture);
}

void PlayerInvPanel::Update(Screen&) {
    if (const InterfaceObject* clicked =
            UpdateItemScreen(*m_display, *m_window, Layout(), kDescriptionUp, kDescriptionDown))
        Act(clicked->GetId());
}

void PlayerInvPanel::Act(uint32_t id) {
    switch (id) {
    case kDone:
        m_display->CloseInventory();
        g_gameMode->SetMode(g_gameMode->IsOnMap() ? kModeAreaMap : kModeStoryPage);
        break;
    case kBackpackUp:
        m_display->SelectPrevious(GenInterRoutine::kMemberBackpack);
        break;
    case kBackpackDown:
        m_display->SelectNext(GenInterRoutine::kMemberBackpack);
        break;
    case kOtherUp:
        m_display->SelectPrevious(GenInterRoutine::kOtherContainer);
        break;
    case kOtherDown:
        m_display->SelectNext(GenInterRoutine::kOtherContainer);
        break;
    default:
        break;
    }
}

void PlayerInvPanel::LeaveWorld() {
    m_display->CloseInventory();
}

void PlayerInvPanel::HandleEvent(const SDL_Event& event) {
    m_display->HandleEvent(event);
}

void PlayerInvPanel::Draw(Screen& screen) {
    DrawItemScreenWindow(*m_display, *m_window, m_picture.Get(), screen);
    m_display->DrawForInventory(true, screen);
}
