#pragma once
// The in-game menu (game mode 9): save, load, the options, leaving the game for the title
// menu and going back to the game. Saving is refused during combat and while the party
// flees; leaving asks first, and Escape twice leaves at once.

#include "Library/world/mode_page.h"
#include "Source/screens/screen_backdrop.h"
#include "Source/screens/window_layout.h"

#include <cstdint>
#include <functional>
#include <memory>

class EntityMgr;
class GraphicMgr;
class InterfaceObject;
class MessageBox;
class PartyMgr;

class MenuPanel : public ModePage {
public:
    enum State : int { kMenu = 0, kNoticeShown = 1, kQuitAsked = 2 };
    enum ButtonId : uint32_t {
        kSaveGame = 0,
        kLoadGame = 1,
        kOptions = 2,
        kExitGame = 3,
        kBack = 4,
    };
    static constexpr const char* kCombatText = "You cannot save during combat.";
    static constexpr const char* kFleeingText = "You cannot save while you are fleeing.";
    static constexpr const char* kQuitText = "Are you sure you want to quit this game?";

    struct Services {
        GraphicMgr& graphics;
        PartyMgr& party;                      // its flee flag
        EntityMgr* const& entities;           // the current region's, with the combat countdown
        std::function<void()> rebuildSession; // the game left behind: per-map objects anew
    };

    explicit MenuPanel(const Services& services);
    ~MenuPanel() override;

    void Update(Screen& screen) override;
    void Draw(Screen& screen) override;
    void HandleEvent(const SDL_Event& event) override;

    void ReturnToMainMenu();
    int GetState() const { return m_state; }
    const MessageBox& GetNoticeBox() const { return *m_noticeBox; }
    const MessageBox& GetQuitBox() const { return *m_quitBox; }

    static WindowLayout MenuLayout();

private:
    void Act(uint32_t id);
    void CheckSave();
    void AskToQuit();
    void CloseBox();

    Services m_services;
    int m_state = kMenu;
    InterfaceObject* m_window = nullptr; // the interface's
    std::unique_ptr<MessageBox> m_noticeBox;
    std::unique_ptr<MessageBox> m_quitBox;
    ScreenBackdrop m_background;
    bool m_redraw = true;
};
