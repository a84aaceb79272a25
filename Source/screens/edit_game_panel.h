#pragma once
// The editor menu (game mode 3): a small window, centred on a black screen, that starts one
// of the content editors or returns to the title menu.

#include "Library/world/mode_page.h"
#include "Source/screens/window_layout.h"

#include <cstdint>

class InterfaceObject;

class EditGamePanel : public ModePage {
public:
    enum ButtonId : uint32_t {
        kMapEditor = 0,
        kAnimationEditor = 1,
        kGraphicOffsetEditor = 2,
        kExit = 3,
    };
    static constexpr int kWidth = 170;
    static constexpr int kHeight = 160;

    EditGamePanel(); // the window is made the active one
    ~EditGamePanel() override = default;

    void Update(Screen& screen) override;
    void Draw(Screen& screen) override;

    // Centred on a screen of the given size.
    static WindowLayout MenuLayout(int screenWidth, int screenHeight);

private:
    InterfaceObject* m_window; // the interface's
};
