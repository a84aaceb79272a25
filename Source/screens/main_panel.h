#pragma once
// The title menu (game mode 1): the menu picture with the game's main buttons. The first
// time it shows in a run it first drives the first-run converter, one file per frame, and
// shows its progress instead of the menu; with nothing to convert that is a 5-second wait
// that a key release or a mouse movement cuts short.

#include "Library/world/mode_page.h"
#include "Source/screens/cached_graphic.h"
#include "Source/screens/window_layout.h"

#include <functional>
#include <memory>

class GraphicMgr;
class ImageDecompressor;
class InterfaceObject;
class LoadSaveMgr;
class PartyMgr;

class MainPanel : public ModePage {
public:
    enum ButtonId : uint32_t {
        kNewGame = 1,
        kLoadGame = 2,
        kTutorial = 3,
        kOptions = 4,
        kCredits = 5,
        kExit = 6,
        kEditGame = 7,
    };
    static constexpr float kStartDelaySeconds = 5.0f;
    static constexpr const char* kTutorialCharacter = "if_idyl_player_tutorial";
    static constexpr const char* kTutorialScript = "game_init_tutorial";

    // What the menu works with beyond the engine's own singletons.
    struct Services {
        GraphicMgr& graphics;       // the game's picture cache
        PartyMgr& party;            // a tutorial starts with its character alone
        LoadSaveMgr& loadSave;      // starts the tutorial; no tutorial runs from the menu
        bool& converting;           // for the whole run: cleared once nothing is left
        std::function<void()> quit; // ends the main loop after this frame
    };

    explicit MainPanel(const Services& services);
    ~MainPanel() override;

    void Update(Screen& screen) override;
    void Draw(Screen& screen) override;
    void HandleEvent(const SDL_Event& event) override;

    static WindowLayout MenuLayout();
    const ImageDecompressor& GetConverter() const { return *m_converter; }
    bool IsConverting() const { return m_services.converting; }

private:
    void Act(uint32_t id);
    void FinishConvertingIfDone();

    Services m_services;
    bool m_redraw = true;
    InterfaceObject* m_window = nullptr; // the interface's
    CachedGraphic m_splash;
    CachedGraphic m_titleSymbol;
    CachedGraphic m_splash2;
    CachedGraphic m_smallTitleSymbol;
    std::unique_ptr<ImageDecompressor> m_converter;
    float m_startDelay = kStartDelaySeconds;
};
