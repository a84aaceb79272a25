#pragma once
// The player script choice (game mode 18): three radio buttons for the idle script the
// party's leader runs while it has no orders. A choice is stored on the click; "Done"
// returns to the map or the story page.

#include "Library/world/mode_page.h"
#include "Source/screens/screen_backdrop.h"
#include "Source/screens/window_layout.h"

#include <cstdint>

class Entity;
class GraphicMgr;
class InterfaceObject;

class SelectPlayerScriptPanel : public ModePage {
public:
    enum ButtonId : uint32_t { kDone = 3 }; // the radio buttons' ids are their scripts'
    static constexpr int kScripts = 3;
    static constexpr const char* kScriptNames[kScripts] = {"if_idyl_creature_player_000",
                                                           "if_idyl_creature_player_001",
                                                           "if_idyl_creature_player_002"};

    // The leader may be null: then nothing is ticked and nothing stored.
    SelectPlayerScriptPanel(GraphicMgr& graphics, Entity* leader);
    ~SelectPlayerScriptPanel() override = default;

    void Update(Screen& screen) override;
    void Draw(Screen& screen) override;

    int GetTicked() const; // the selected radio button's id, or -1
    static WindowLayout PanelLayout();

private:
    void TickCurrentChoice();

    InterfaceObject* m_window = nullptr; // the interface's
    ScreenBackdrop m_background;
    bool m_redraw = true;
    Entity* m_character;
};
