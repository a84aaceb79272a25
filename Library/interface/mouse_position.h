#pragma once
// Where the mouse pointer is: written by the event dispatch from every motion event and by
// the cursor manager, read by every hit test of the interface.

extern int g_mouseX;
extern int g_mouseY;
