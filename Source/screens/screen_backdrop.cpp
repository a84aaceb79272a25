#include "Source/screens/screen_backdrop.h"

#include "Library/graphics/graphic.h"
#include "Library/graphics/screen.h"
#include "Library/interface/interface_object.h"
#include "Source/screens/interface_routines.h"

ScreenBackdrop::ScreenBackdrop(GraphicMgr& cache) : m_picture(LoadSplash(cache, "")) {}

ScreenBackdrop::~ScreenBackdrop() {
    FreeGraphic(m_picture);
}

bool ScreenBackdrop::DrawWith(Screen& screen, bool& redraw, InterfaceObject& window) const {
    if (!redraw && !window.IsDirty())
        return false;
    redraw = false;
    Draw(screen);
    window.SetDirty(true);
    window.Draw(screen);
    return true;
}

void ScreenBackdrop::Draw(Screen& screen) const {
    Graphic::SetBlitMode(0);
    if (const Graphic* graphic = m_picture.Get())
        graphic->Draw(screen.GetSurface(), 0, 0);
}
