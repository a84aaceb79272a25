#include "Library/graphics/ellipse_shape.h"

#include "Library/graphics/screen.h"

#include <algorithm>
#include <cmath>

namespace {

// Far beyond any screen, and small enough that the step arithmetic cannot overflow.
constexpr double kMaxRadius = 32767;

bool RoundRadius(double radius, long& rounded) {
    const double size = std::fabs(radius);
    if (!(size <= kMaxRadius)) // also refuses NaN
        return false;
    rounded = static_cast<long>(size + 0.5001);
    return true;
}

// One region of the midpoint algorithm, stepping along the axis of radius p while the
// slope allows: step(k, moved) for each step k, moved = steps taken so far along the
// other axis, toward the centre line.
template <class Step> void WalkRegion(long p, long q, Step step) {
    const long long p2 = static_cast<long long>(p) * p, q2 = static_cast<long long>(q) * q;
    long long error = (p2 >> 2) - p2 * q, limit = 2 * p2 * q, sum = 0;
    long k = 0, moved = 0;
    do {
        step(k++, moved);
        error += sum + q2;
        sum += 2 * q2;
        if (error >= 0) {
            ++moved;
            limit -= 2 * p2;
            error -= limit;
        }
    } while (sum < limit);
}

struct Quadrant {
    int bit, sx, sy;
};
constexpr Quadrant kQuadrants[] = {{kEllipseTopLeft, -1, -1},
                                   {kEllipseTopRight, 1, -1},
                                   {kEllipseBottomLeft, -1, 1},
                                   {kEllipseBottomRight, 1, 1}};

} // namespace

void DrawEllipse(const EllipseShape& shape, Screen* screen) {
    DrawEllipseQuadrants(shape, kEllipseWhole, screen);
}

void DrawEllipseQuadrants(const EllipseShape& shape, int quadrants, Screen* screen) {
    long a = 0, b = 0;
    if (!screen || !shape.valid || !RoundRadius(shape.radiusX, a) || !RoundRadius(shape.radiusY, b))
        return;
    const PixelSurface& surface = screen->GetSurface();
    if (!surface.pixels)
        return;
    const PixelSurface::Area area = surface.Visible(g_clipRect);
    const uint16_t colour = screen->GetDrawColour();
    auto plot = [&](long x, long y) {
        if (area.Holds(x, y))
            surface.pixels[y * surface.width + x] = colour;
    };
    // (x, y) >= 0 from the centre, mirrored into the quadrants asked for; a pixel on the
    // centre column or row goes to the left or top quadrants only.
    auto plotMirrored = [&](long x, long y) {
        for (const Quadrant& q : kQuadrants) {
            if ((quadrants & q.bit) && (x > 0 || q.sx < 0) && (y > 0 || q.sy < 0))
                plot(shape.x + q.sx * x, shape.y + q.sy * y);
        }
    };
    // From the top and bottom points along x, then from the left and right points along y.
    long endX1 = 0, endY1 = 0, endX2 = 0, endY2 = 0;
    WalkRegion(a, b, [&](long k, long moved) { plotMirrored(endX1 = k, endY1 = b - moved); });
    WalkRegion(b, a, [&](long k, long moved) { plotMirrored(endX2 = a - moved, endY2 = k); });
    // Each region stops short of where the other ends: join their last pixels by a line
    // so that the outline has no gap.
    const long dx = endX2 - endX1, dy = endY1 - endY2, n = std::max(dx, dy);
    for (long i = 1; i < n; ++i)
        plotMirrored(endX1 + (2 * dx * i + n) / (2 * n), endY1 - (2 * dy * i + n) / (2 * n));
}
