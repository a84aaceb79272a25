#pragma once
// The splash picture behind a screen's full-screen window: loaded with the screen, given
// back to the cache with it, and drawn under the window whenever either needs drawing.

#include "Source/screens/cached_graphic.h"

class GraphicMgr;
class InterfaceObject;
class Screen;

class ScreenBackdrop {
public:
    explicit ScreenBackdrop(GraphicMgr& cache); // the default splash picture
    ScreenBackdrop(const ScreenBackdrop&) = delete;
    ScreenBackdrop& operator=(const ScreenBackdrop&) = delete;
    ~ScreenBackdrop();

    // When redraw is set or the window is dirty: redraw cleared, blit mode 0, the picture
    // at 0, 0 and the window over it; false when nothing needed drawing.
    bool DrawWith(Screen& screen, bool& redraw, InterfaceObject& window) const;
    void Draw(Screen& screen) const; // the picture alone, in blit mode 0
    const CachedGraphic& Get() const { return m_picture; }

private:
    CachedGraphic m_picture;
};
