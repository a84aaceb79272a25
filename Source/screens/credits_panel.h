#pragma once
// The credits (game mode 8): the script "game_credits", run once when the screen opens,
// writes the lines into the shared text panel, which the screen shows with scroll buttons
// and "Done" back to the title menu. Without the script the panel keeps what it held.

#include "Library/core/stringc.h"
#include "Library/world/mode_page.h"
#include "Source/screens/once_script.h"
#include "Source/screens/screen_backdrop.h"
#include "Source/screens/window_layout.h"

#include <cstdint>

class GraphicMgr;
class InfoPanel;
class InterfaceObject;

class CreditsPanel : public ModePage {
public:
    enum ButtonId : uint32_t { kUp = 0, kDown = 1, kDone = 2 };
    static constexpr const char* kScript = "game_credits";

    struct Services {
        GraphicMgr& graphics;
        InfoPanel& text; // the play screen's page text too
    };

    explicit CreditsPanel(const Services& services);
    ~CreditsPanel() override = default;

    void Update(Screen& screen) override;
    void Draw(Screen& screen) override;

    bool RunCreditsScript(const Stringc& name);
    static WindowLayout PanelLayout();

private:
    Services m_services;
    OnceScript m_script;
    InterfaceObject* m_window = nullptr; // the interface's
    ScreenBackdrop m_background;
    bool m_redraw = true;
};
