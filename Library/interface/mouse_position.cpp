#include "Library/interface/mouse_position.h"

int g_mouseX = 0;
int g_mouseY = 0;
