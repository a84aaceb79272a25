#include "Source/world/debug_marker.h"

#include "Library/core/stringc.h"
#include "Library/core/vector.h"
#include "Library/geometry/map_view.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/ellipse_shape.h"
#include "Library/graphics/screen.h"

namespace {

constexpr int kRadiusX = 16;
constexpr int kRadiusY = 12;

} // namespace

void DrawDebugMarker(Screen& screen, const MapView& view, const Vector& position,
                     const Stringc& name) {
    int x = 0;
    int y = 0;
    WorldToPixel(view, position, x, y);
    screen.SetDrawColour(Colour(255, 255, 255).Pack16());
    DrawEllipse(EllipseShape{1, x, y, kRadiusX, kRadiusY}, &screen);
    screen.DrawTextCentered(x, y, name);
}
