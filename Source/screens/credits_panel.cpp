#include "Source/screens/credits_panel.h"

#include "Library/graphics/rect.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/world/game_mode.h"

namespace {

const WidgetEntry kButtons[] = {
    {CreditsPanel::kUp, kWidgetButton, 598, 277, 12, 20, "button_up.tga", "U"},
    {CreditsPanel::kDown, kWidgetButton, 598, 302, 12, 20, "button_dwn.tga", "D"},
    {CreditsPanel::kDone, kWidgetButton, 691, 537, 64, 14, "button_done.tga", "Done"},
};

} // namespace

WindowLayout CreditsPanel::PanelLayout() {
    return MakeLayout(WindowEntry{"menu_credits.tga", "", 0, 0, 800, 600}, kButtons);
}

CreditsPanel::CreditsPanel(const Services& services)
    : m_services(services), m_background(services.graphics) {
    m_services.text.SetRect(Rect::Make(213, 54, 586, 544));
    m_window = BuildWindow(PanelLayout());
    RunCreditsScript(kScript);
    m_script.Run();
}

bool CreditsPanel::RunCreditsScript(const Stringc& name) {
    return m_script.Load(name);
}

void CreditsPanel::Update(Screen&) {
    g_interface->SetActive(m_window);
    const uint32_t frameMs = g_gameMode->GetFrameMs();
    if (m_window->FindChild(kUp)->IsPressed())
        m_services.text.ScrollDown(frameMs);
    if (m_window->FindChild(kDown)->IsPressed())
        m_services.text.ScrollUp(frameMs);
    if (m_services.text.TakeRedraw())
        m_redraw = true;
    const InterfaceObject* clicked = m_window->GetClickedChild();
    if (clicked && clicked->GetId() == kDone)
        g_gameMode->SetMode(kModeTitleMenu);
}

void CreditsPanel::Draw(Screen& screen) {
    if (m_background.DrawWith(screen, m_redraw, *m_window))
        m_services.text.Draw(screen);
}
