#pragma once
// The new game screen (game mode 4): the world and party of any earlier game go, the
// starting character joins alone, and its sheet shows with two scrolling description
// panels; "Done" starts the game through the start script, cancel returns to the title.

#include "Library/world/mode_page.h"
#include "Source/screens/screen_backdrop.h"
#include "Source/screens/window_layout.h"

#include <cstdint>

class Entity;
class EntityMgr;
class GraphicMgr;
class InfoPanel;
class InterfaceObject;
class LoadSaveMgr;
class PartyMgr;
class TileMap;

class NewGamePanel : public ModePage {
public:
    enum ButtonId : uint32_t {
        kRightUp = 0,
        kRightDown = 1,
        kLeftUp = 2,
        kLeftDown = 3,
        kDone = 4,
        kCancel = 5,
    };
    static constexpr const char* kCharacter = "if_idyl_player";
    static constexpr const char* kStartScript = "game_init";
    static constexpr int kSheetX = 72;
    static constexpr int kSheetY = 73;

    struct Services {
        GraphicMgr& graphics;
        TileMap& map;
        EntityMgr* const& entities;
        PartyMgr& party;
        LoadSaveMgr& loadSave;
        InfoPanel& leftPanel;  // the character's description
        InfoPanel& rightPanel; // the statistic under the pointer
    };

    explicit NewGamePanel(const Services& services);
    ~NewGamePanel() override;

    void Update(Screen& screen) override;
    void Draw(Screen& screen) override;
    void HandleEvent(const SDL_Event& event) override;

    Entity* GetCharacter() const { return m_character; }
    static WindowLayout PanelLayout();

private:
    void ScrollWhileHeld();

    Services m_services;
    InterfaceObject* m_window = nullptr; // the interface's
    ScreenBackdrop m_background;
    bool m_redraw = true;
    Entity* m_character = nullptr; // the party's
};
