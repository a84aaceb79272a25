#pragma once
// The game over screen (game mode 23): its picture with "Done", back to the title menu.
// The next new game, tutorial or load starts the game afresh.

#include "Library/core/stringc.h"
#include "Library/world/mode_page.h"
#include "Source/screens/once_script.h"
#include "Source/screens/screen_backdrop.h"
#include "Source/screens/window_layout.h"

#include <cstdint>

class GraphicMgr;
class InfoPanel;
class InterfaceObject;

class GameOverPanel : public ModePage {
public:
    enum ButtonId : uint32_t { kDone = 2 };

    struct Services {
        GraphicMgr& graphics;
        InfoPanel& messages; // placed on the picture, though this screen does not draw it
    };

    explicit GameOverPanel(const Services& services);
    ~GameOverPanel() override = default;

    void Update(Screen& screen) override;
    void Draw(Screen& screen) override;

    bool RunScript(const Stringc& name); // the empty name, which the screen passes, runs none
    static WindowLayout PanelLayout();

private:
    ScreenBackdrop m_background;
    OnceScript m_script;
    InterfaceObject* m_window = nullptr; // the interface's
    bool m_redraw = true;
};
