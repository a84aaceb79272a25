#pragma once
// The global drawing state of images: the blit mode, its span routine and the clip
// rectangle images are drawn within. Sticky: whoever changes it for one draw sets it back.

#include "Library/graphics/rect.h"
#include "Library/graphics/span.h"

extern int g_blitMode;         // 0-12, see Graphic::SetBlitMode
extern SpanFunc g_spanFunc;    // the span of the current mode
extern Rect g_graphicClipRect; // inside when x1 <= x < x2 and y1 <= y < y2

// Puts the blit mode, its span and the image clip rectangle back when it ends.
class BlitStateScope {
public:
    BlitStateScope() = default;
    ~BlitStateScope() {
        g_blitMode = m_mode;
        g_spanFunc = m_span;
        g_graphicClipRect = m_clip;
    }
    BlitStateScope(const BlitStateScope&) = delete;
    BlitStateScope& operator=(const BlitStateScope&) = delete;

private:
    int m_mode = g_blitMode;
    SpanFunc m_span = g_spanFunc;
    Rect m_clip = g_graphicClipRect;
};
