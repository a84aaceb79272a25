#include "Source/screens/edit_game_panel.h"

#include "Library/graphics/colour.h"
#include "Library/graphics/screen.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/interface/mouse_position.h"
#include "Library/world/game_mode.h"
#include "Source/screens/interface_routines.h"

namespace {

const WidgetEntry kButtons[] = {
    {EditGamePanel::kMapEditor, kWidgetButton, 10, 8, 150, 20, "button_map_editor.tga",
     "Map Editor"},
    {EditGamePanel::kAnimationEditor, kWidgetButton, 10, 68, 150, 20, "button_animation_editor.tga",
     "Animation Editor"},
    {EditGamePanel::kGraphicOffsetEditor, kWidgetButton, 10, 98, 150, 20,
     "button_graphic_offset_editor.tga", "Graphic Offset Editor"},
    {EditGamePanel::kExit, kWidgetButton, 10, 128, 150, 20, "button_exit_editor_panel.tga", "Exit"},
};

} // namespace

WindowLayout EditGamePanel::MenuLayout(int screenWidth, int screenHeight) {
    return MakeLayout(WindowEntry{"menu_edit_game.tga", "", (screenWidth - kWidth) / 2,
                                  (screenHeight - kHeight) / 2, kWidth, kHeight},
                      kButtons);
}

EditGamePanel::EditGamePanel()
    : m_window(
          BuildWindow(MenuLayout(g_gameMode->GetScreenWidth(), g_gameMode->GetScreenHeight()))) {
    g_interface->SetActive(m_window);
}

void EditGamePanel::Update(Screen&) {
    if (m_window->Contains(g_mouseX, g_mouseY))
        g_interface->SetActive(m_window);
    const InterfaceObject* clicked = m_window->GetClickedChild();
    if (!clicked)
        return;
    switch (clicked->GetId()) {
    case kMapEditor:
        g_gameMode->SetMode(kModeMapEditor);
        break;
    case kAnimationEditor:
        g_gameMode->SetMode(kModeAnimationEditor);
        break;
    case kGraphicOffsetEditor:
        g_gameMode->SetMode(kModeGraphicOffsetEditor);
        break;
    case kExit:
        g_gameMode->SetMode(kModeTitleMenu);
        break;
    }
}

void EditGamePanel::Draw(Screen& screen) {
    screen.SetDrawColour(Colour(0, 0, 0).Pack16());
    screen.Clear();
    m_window->SetDirty(true);
    m_window->Draw(screen);
}
