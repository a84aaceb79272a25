#include "Source/screens/game_world_map_panel.h"

#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/world/game_mode.h"
#include "Source/entities/entity_mgr.h"

namespace {

const WidgetEntry kButtons[] = {
    {GameWorldMapPanel::kDone, kWidgetButton, 730, 576, 64, 20, "button_done.tga", "Done"},
};

} // namespace

WindowLayout GameWorldMapPanel::Layout() {
    return MakeLayout(WindowEntry{"menu_game_world_map.tga", "", 0, 0, 800, 600}, kButtons);
}

GameWorldMapPanel::GameWorldMapPanel()
    : m_leader(g_entityMgr ? g_entityMgr->GetActivePartyMember() : nullptr),
      m_window(BuildWindow(Layout())) {}

void GameWorldMapPanel::Update(Screen&) {
    g_interface->SetActive(m_window);
    if (const InterfaceObject* clicked = m_window->GetClickedChild())
        if (clicked->GetId() == kDone)
            g_gameMode->SetMode(kModeAreaMap);
}

void GameWorldMapPanel::Draw(Screen& screen) {
    g_gameMode->InvalidateScreen();
    m_window->SetDirty(true);
    m_window->Draw(screen);
}
