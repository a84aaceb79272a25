#include "Source/screens/main_panel.h"

#include "Library/core/tracked_new.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/screen.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/interface/mouse_position.h"
#include "Library/sound/sound_mgr.h"
#include "Library/world/game_mode.h"
#include "Source/screens/interface_routines.h"
#include "Source/world/image_decompressor.h"
#include "Source/world/load_save_mgr.h"
#include "Source/world/party_mgr.h"

namespace {

constexpr int kArtWidth = 800;
constexpr int kArtHeight = 600;
constexpr int kSmallSymbolX = 328;
constexpr int kSmallSymbolY = 449;

const WidgetEntry kButtons[] = {
    {MainPanel::kNewGame, kWidgetButton, 364, 255, 72, 14, "button_new_game.tga", "New Game"},
    {MainPanel::kLoadGame, kWidgetButton, 364, 274, 72, 14, "button_load_game.tga", "Load Game"},
    {MainPanel::kTutorial, kWidgetButton, 364, 293, 72, 14, "button_tutorial.tga", "Tutorial"},
    {MainPanel::kOptions, kWidgetButton, 364, 312, 72, 14, "button_options.tga", "Options"},
    {MainPanel::kCredits, kWidgetButton, 364, 331, 72, 14, "button_credits.tga", "Credits"},
    {MainPanel::kExit, kWidgetButton, 364, 350, 72, 14, "button_exit_game.tga", "Exit"},
    {MainPanel::kEditGame, kWidgetButton, 722, 568, 60, 14, "button_edit_game.tga", "Edit Game"},
};

void DrawAt(Screen& screen, const CachedGraphic& held, int x, int y) {
    if (const Graphic* graphic = held.Get())
        graphic->Draw(screen.GetSurface(), x, y);
}

// On the 800 x 600 screen the art is made for.
void DrawCentred(Screen& screen, const CachedGraphic& held) {
    if (const Graphic* graphic = held.Get())
        graphic->Draw(screen.GetSurface(), (kArtWidth - graphic->GetWidth()) / 2,
                      (kArtHeight - graphic->GetHeight()) / 2);
}

} // namespace

WindowLayout MainPanel::MenuLayout() {
    return MakeLayout(WindowEntry{"menu_main.tga", "", 0, 0, 800, 600}, kButtons);
}

MainPanel::MainPanel(const Services& services)
    : m_services(services), m_converter(NEW ImageDecompressor(*g_screen, g_soundMgr)) {
    m_window = BuildWindow(MenuLayout());
    InterfaceObject* editGame = m_window->FindChild(kEditGame);
    editGame->SetPressInSound("");
    editGame->SetPressOutSound("");
    m_startDelay = kStartDelaySeconds;
    m_splash = LoadSplash(m_services.graphics, "");
    m_titleSymbol = LoadSplash(m_services.graphics, "tcv_txt_sym.tga");
    m_splash2 = LoadSplash(m_services.graphics, "");
    m_smallTitleSymbol = LoadSplash(m_services.graphics, "tcv_txt_sym_small.tga");
    m_redraw = true;
    m_window->SetDirty(true);
    if (g_soundMgr)
        g_soundMgr->StopStream();
    m_services.loadSave.SetTutorialActive(false);
}

MainPanel::~MainPanel() {
    m_converter.reset();
    FreeGraphic(m_splash);
    FreeGraphic(m_titleSymbol);
    FreeGraphic(m_splash2);
    FreeGraphic(m_smallTitleSymbol);
}

void MainPanel::Update(Screen&) {
    if (m_services.converting) {
        m_startDelay -= static_cast<float>(g_gameMode->GetFrameSeconds());
        if (m_startDelay <= 0) {
            FinishConvertingIfDone();
            if (m_services.converting)
                m_converter->Step();
        }
    }
    if (m_window->Contains(g_mouseX, g_mouseY))
        g_interface->SetActive(m_window);
    if (const InterfaceObject* clicked = m_window->GetClickedChild())
        Act(clicked->GetId());
}

void MainPanel::FinishConvertingIfDone() {
    if (m_converter->HasWork())
        return;
    m_services.converting = false;
    m_window->SetDirty(true);
}

void MainPanel::Act(uint32_t id) {
    switch (id) {
    case kNewGame:
        g_gameMode->SetMode(kModeNewGame);
        break;
    case kLoadGame:
        g_gameMode->SetMode(kModeLoadGame);
        break;
    case kTutorial: // an earlier game's party does not carry over
        m_services.party.Reset();
        m_services.party.AddCharacterByName(kTutorialCharacter);
        m_services.loadSave.RequestInitTutorial(kTutorialScript);
        break;
    case kOptions:
        g_gameMode->SetMode(kModeOptions);
        break;
    case kCredits:
        g_gameMode->SetMode(kModeCredits);
        break;
    case kExit:
        m_services.quit();
        break;
    case kEditGame:
        g_gameMode->SetMode(kModeEditorMenu);
        break;
    }
}

void MainPanel::HandleEvent(const SDL_Event& event) {
    if (event.type == SDL_KEYUP && event.key.keysym.sym == SDLK_ESCAPE) {
        m_services.quit();
        return;
    }
    if ((event.type == SDL_KEYUP || event.type == SDL_MOUSEMOTION) && !m_converter->HasWork())
        m_services.converting = false;
}

void MainPanel::Draw(Screen& screen) {
    if (!m_redraw && !m_window->IsDirty())
        return;
    m_redraw = false;
    Graphic::SetBlitMode(0);
    if (m_services.converting) {
        // The menu stays undrawn, so dirty: this picture is drawn every frame.
        DrawAt(screen, m_splash, 0, 0);
        DrawCentred(screen, m_titleSymbol);
        m_converter->DrawProgress(screen);
        return;
    }
    DrawAt(screen, m_splash2, 0, 0);
    DrawAt(screen, m_smallTitleSymbol, kSmallSymbolX, kSmallSymbolY);
    m_window->SetDirty(true);
    m_window->Draw(screen);
}
