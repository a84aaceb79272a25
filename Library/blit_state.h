#pragma once
// The global drawing state of images: the blit mode, its span routine and the clip
// rectangle images are drawn within. Sticky: whoever changes it for one draw sets it back.

#include "Library/rect.h"
#include "Library/span.h"

extern int g_blitMode;        // 0-12, see Graphic::SetBlitMode
extern SpanFunc g_spanFunc;   // the span of the current mode
extern Rect g_graphicClipRect; // inside when x1 <= x < x2 and y1 <= y < y2
