#pragma once
// The frame the inventory and trade screens share around their display: the window's
// buttons work only while nothing is held and the last event was not the right button, the
// display's boxes come first, the description scrolls while its buttons are held; and the
// window is drawn whole under the display only when either asks for it.

#include <cstdint>

class GenInterRoutine;
class Graphic;
class InterfaceObject;
class Screen;
struct WindowLayout;

// The window's clicked button this frame, or null while a box of the display is open.
const InterfaceObject* UpdateItemScreen(GenInterRoutine& display, InterfaceObject& window,
                                        const WindowLayout& layout, uint32_t descriptionUp,
                                        uint32_t descriptionDown);
// True when the whole screen was drawn (the picture and the window); the caller then draws
// its own texts before the display.
bool DrawItemScreenWindow(GenInterRoutine& display, InterfaceObject& window, Graphic* picture,
                          Screen& screen);
