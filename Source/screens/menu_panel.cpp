#include "Source/screens/menu_panel.h"

#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/interface/message_box.h"
#include "Library/world/game_mode.h"
#include "Source/entities/entity_mgr.h"
#include "Source/screens/dialog_boxes.h"
#include "Source/world/party_mgr.h"

namespace {

const WidgetEntry kButtons[] = {
    {MenuPanel::kSaveGame, kWidgetButton, 363, 243, 72, 14, "button_save_game.tga", "Save Game"},
    {MenuPanel::kLoadGame, kWidgetButton, 363, 262, 72, 14, "button_load_game.tga", "Load Game"},
    {MenuPanel::kOptions, kWidgetButton, 363, 281, 72, 14, "button_options.tga", "Options"},
    {MenuPanel::kExitGame, kWidgetButton, 363, 300, 72, 14, "button_exit_game.tga", "Exit Game"},
    {MenuPanel::kBack, kWidgetButton, 363, 319, 72, 14, "button_back.tga", "Back"},
};

} // namespace

WindowLayout MenuPanel::MenuLayout() {
    return MakeLayout(WindowEntry{"menu_game_menu.tga", "", 0, 0, 800, 600}, kButtons);
}

MenuPanel::MenuPanel(const Services& services)
    : m_services(services), m_window(BuildWindow(MenuLayout())), m_noticeBox(MakeNoticeBox()),
      m_quitBox(MakeQuestionBox()), m_background(services.graphics) {}

MenuPanel::~MenuPanel() = default;

void MenuPanel::Update(Screen&) {
    switch (m_state) {
    case kMenu:
        g_interface->SetActive(m_window);
        if (const InterfaceObject* clicked = m_window->GetClickedChild())
            Act(clicked->GetId());
        break;
    case kNoticeShown:
        m_noticeBox->Poll();
        if (m_noticeBox->TakeFirstButton())
            CloseBox();
        break;
    case kQuitAsked:
        m_quitBox->Poll();
        if (m_quitBox->TakeFirstButton())
            ReturnToMainMenu();
        else if (m_quitBox->TakeSecondButton())
            CloseBox();
        break;
    }
}

void MenuPanel::Act(uint32_t id) {
    switch (id) {
    case kSaveGame:
        CheckSave();
        break;
    case kLoadGame:
        g_gameMode->SetMode(kModeLoadGame);
        break;
    case kOptions:
        g_gameMode->SetMode(kModeOptions);
        break;
    case kExitGame:
        AskToQuit();
        break;
    case kBack:
        g_gameMode->SetMode(g_gameMode->IsOnMap() ? kModeAreaMap : kModeStoryPage);
        break;
    }
}

// Combat is told first when the party also flees.
void MenuPanel::CheckSave() {
    const EntityMgr* entities = m_services.entities;
    const char* refusal = nullptr;
    if (entities && entities->GetCombatCountdown() > 0)
        refusal = kCombatText;
    else if (m_services.party.IsFleeing())
        refusal = kFleeingText;
    if (!refusal) {
        g_gameMode->SetMode(kModeSaveGame);
        return;
    }
    m_noticeBox->SetText(refusal);
    m_state = kNoticeShown;
}

void MenuPanel::AskToQuit() {
    m_quitBox->SetText(kQuitText);
    m_state = kQuitAsked;
}

void MenuPanel::CloseBox() {
    m_state = kMenu;
    m_redraw = true;
}

void MenuPanel::ReturnToMainMenu() {
    g_gameMode->SetMode(kModeTitleMenu);
    if (m_services.rebuildSession)
        m_services.rebuildSession();
}

void MenuPanel::HandleEvent(const SDL_Event& event) {
    if (event.type != SDL_KEYUP || event.key.keysym.sym != SDLK_ESCAPE)
        return;
    if (m_state == kQuitAsked)
        ReturnToMainMenu();
    else
        AskToQuit();
}

void MenuPanel::Draw(Screen& screen) {
    switch (m_state) {
    case kMenu:
        m_background.DrawWith(screen, m_redraw, *m_window);
        break;
    case kNoticeShown:
        m_noticeBox->Draw(screen);
        break;
    case kQuitAsked:
        m_quitBox->Draw(screen);
        break;
    }
}
