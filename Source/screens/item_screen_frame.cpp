#include "Source/screens/item_screen_frame.h"

#include "Library/graphics/graphic.h"
#include "Library/graphics/screen.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/world/game_mode.h"
#include "Source/screens/gen_inter_routine.h"
#include "Source/screens/window_layout.h"

const InterfaceObject* UpdateItemScreen(GenInterRoutine& display, InterfaceObject& window,
                                        const WindowLayout& layout, uint32_t descriptionUp,
                                        uint32_t descriptionDown) {
    const bool free = !display.IsHolding() && !display.UsedRightButton();
    for (const WidgetEntry& button : layout)
        if (InterfaceObject* child = window.FindChild(button.id))
            child->SetEnabled(free);
    if (display.Update())
        return nullptr;
    g_interface->SetActive(&window);
    const uint32_t frameMs = g_gameMode->GetFrameMs();
    if (window.FindChild(descriptionUp)->IsPressed())
        display.ScrollDescriptionDown(frameMs);
    if (window.FindChild(descriptionDown)->IsPressed())
        display.ScrollDescriptionUp(frameMs);
    return window.GetClickedChild();
}

bool DrawItemScreenWindow(GenInterRoutine& display, InterfaceObject& window, Graphic* picture,
                          Screen& screen) {
    g_gameMode->InvalidateScreen();
    if (!display.NeedsRedraw() && !window.IsDirty())
        return false;
    display.SetRedraw();
    if (picture) {
        Graphic::SetBlitMode(0);
        picture->Draw(screen.GetSurface(), 0, 0);
    }
    window.SetDirty(true);
    window.Draw(screen);
    return true;
}
