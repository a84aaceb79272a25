#include "Library/graphics/blit_state.h"

int g_blitMode = 0;
SpanFunc g_spanFunc = CopySpan16;
Rect g_graphicClipRect{0, 0, 640, 480};
