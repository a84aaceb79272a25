#include "Source/screen_map_view.h"

#include "Library/interface/mouse_position.h"

namespace {

constexpr float kPixelsPerUnitX = 16;
constexpr float kPixelsPerUnitY = 12;

} // namespace

Vector ScreenMapView::GetPixelsPerUnit() const {
    return Vector(kPixelsPerUnitX, kPixelsPerUnitY, 0);
}

Vector ScreenMapView::GetViewOffset() const {
    return Vector();
}

Vector ScreenMapView::MouseToWorld() const {
    return Vector(g_mouseX / kPixelsPerUnitX, g_mouseY / kPixelsPerUnitY, 0);
}

void ScreenMapView::DrawTileOverlay(Screen&, const Vector&) {}
