#include "Source/screens/new_game_panel.h"

#include "Library/graphics/rect.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/entities/entity_mgr.h"
#include "Source/screens/description_scripts.h"
#include "Source/screens/sheet_texts.h"
#include "Source/world/load_save_mgr.h"
#include "Source/world/party_mgr.h"

namespace {

const WidgetEntry kButtons[] = {
    {NewGamePanel::kLeftUp, kWidgetButton, 396, 389, 12, 20, "button_up.tga", "^"},
    {NewGamePanel::kLeftDown, kWidgetButton, 396, 414, 12, 20, "button_dwn.tga", "v"},
    {NewGamePanel::kRightUp, kWidgetButton, 741, 389, 12, 20, "button_up.tga", "^"},
    {NewGamePanel::kRightDown, kWidgetButton, 741, 414, 12, 20, "button_dwn.tga", "v"},
    {NewGamePanel::kDone, kWidgetButton, 621, 537, 64, 14, "button_done.tga", "Done"},
    {NewGamePanel::kCancel, kWidgetButton, 691, 537, 64, 14, "button_cancel.tga", "Cancel"},
};

} // namespace

WindowLayout NewGamePanel::PanelLayout() {
    return MakeLayout(WindowEntry{"menu_character_stats.tga", "", 0, 0, 800, 600}, kButtons);
}

// An earlier game's world and party go before the starting character joins.
NewGamePanel::NewGamePanel(const Services& services)
    : m_services(services), m_window(BuildWindow(PanelLayout())), m_background(services.graphics) {
    for (const WidgetEntry& button : kButtons)
        m_window->FindChild(button.id)->SetText("");
    m_window->FindChild(kDone)->SetImage2("button_done_up.tga");
    m_window->FindChild(kCancel)->SetImage2("button_cancel_up.tga");
    m_services.leftPanel.SetRect(Rect::Make(77, 298, 389, 527));
    m_services.rightPanel.SetRect(Rect::Make(422, 298, 734, 527));
    m_services.map.Clear();
    if (EntityMgr* entities = m_services.entities)
        entities->Clear();
    m_services.party.Reset();
    m_services.party.AddCharacterByName(kCharacter);
    m_character = m_services.party.GetLeader();
    RunStatDescScript(kSheetX, kSheetY);
    RunCharDescScript();
}

NewGamePanel::~NewGamePanel() {
    FreeStatDescScript();
}

void NewGamePanel::Update(Screen&) {
    g_interface->SetActive(m_window);
    ScrollWhileHeld();
    const InterfaceObject* clicked = m_window->GetClickedChild();
    if (!clicked)
        return;
    if (clicked->GetId() == kDone)
        m_services.loadSave.RequestInitGame(kStartScript);
    else if (clicked->GetId() == kCancel)
        g_gameMode->SetMode(kModeTitleMenu);
}

void NewGamePanel::ScrollWhileHeld() {
    const uint32_t frameMs = g_gameMode->GetFrameMs();
    const struct {
        uint32_t id;
        InfoPanel& panel;
        bool down;
    } scrollers[] = {{kRightUp, m_services.rightPanel, true},
                     {kRightDown, m_services.rightPanel, false},
                     {kLeftUp, m_services.leftPanel, true},
                     {kLeftDown, m_services.leftPanel, false}};
    for (const auto& scroller : scrollers) {
        if (!m_window->FindChild(scroller.id)->IsPressed())
            continue;
        if (scroller.down)
            scroller.panel.ScrollDown(frameMs);
        else
            scroller.panel.ScrollUp(frameMs);
        m_redraw = true;
    }
}

void NewGamePanel::HandleEvent(const SDL_Event& event) {
    if (event.type == SDL_MOUSEMOTION && UpdateStatDescHover())
        m_redraw = true;
}

void NewGamePanel::Draw(Screen& screen) {
    if (!m_background.DrawWith(screen, m_redraw, *m_window))
        return;
    m_services.rightPanel.Draw(screen);
    m_services.leftPanel.Draw(screen);
    BuildCharacterSheet(m_character, screen, kSheetX, kSheetY, false, 0);
}
