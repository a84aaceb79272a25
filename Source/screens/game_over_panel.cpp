#include "Source/screens/game_over_panel.h"

#include "Library/graphics/rect.h"
#include "Library/graphics/update_rectangles.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/world/game_mode.h"

namespace {

const WidgetEntry kButtons[] = {
    {GameOverPanel::kDone, kWidgetButton, 691, 537, 64, 14, "button_done.tga", "Done"},
};

} // namespace

WindowLayout GameOverPanel::PanelLayout() {
    return MakeLayout(WindowEntry{"menu_game_over.tga", "", 0, 0, 800, 600}, kButtons);
}

GameOverPanel::GameOverPanel(const Services& services) : m_background(services.graphics) {
    services.messages.SetRect(Rect::Make(209, 427, 589, 548));
    m_window = BuildWindow(PanelLayout());
    RunScript("");
    m_script.Run();
}

bool GameOverPanel::RunScript(const Stringc& name) {
    return m_script.Load(name);
}

void GameOverPanel::Update(Screen&) {
    g_interface->SetActive(m_window);
    const InterfaceObject* clicked = m_window->GetClickedChild();
    if (clicked && clicked->GetId() == kDone)
        g_gameMode->SetMode(kModeTitleMenu);
}

void GameOverPanel::Draw(Screen& screen) {
    g_gameMode->InvalidateScreen();
    if (!m_background.DrawWith(screen, m_redraw, *m_window))
        return;
    const Rect& rect = m_window->GetRect();
    if (g_updateRects)
        g_updateRects->Add(rect.x1, rect.y1, rect.x2 - rect.x1, rect.y2 - rect.y1);
}
