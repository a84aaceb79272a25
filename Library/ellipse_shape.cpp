#include "Library/ellipse_shape.h"

#include "Library/screen.h"

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
    const long left = std::max<long>(g_clipRect.x1, 0), top = std::max<long>(g_clipRect.y1, 0);
    const long right = std::min<long>(g_clipRect.x2, surface.width);
    const long bottom = std::min<long>(g_clipRect.y2, surface.height);
    const uint16_t colour = screen->GetDrawColour();
    auto plot = [&](long x, long y) {
        if (x >= left && x < right && y >= top && y < bottom)
            surface.pixels[y * surface.width + x] = colour;
    };
    const long cx = shape.x, cy = shape.y;
    // From the top and bottom points along x, then from the left and right points along y;
    // each arc's first pixel lies on the centre column or row and goes to one quadrant only.
    WalkRegion(a, b, [&](long k, long moved) {
        for (const Quadrant& q : kQuadrants) {
            if ((quadrants & q.bit) && (k > 0 || q.sx < 0))
                plot(cx + q.sx * k, cy + q.sy * (b - moved));
        }
    });
    WalkRegion(b, a, [&](long k, long moved) {
        for (const Quadrant& q : kQuadrants) {
            if ((quadrants & q.bit) && (k > 0 || q.sy < 0))
                plot(cx + q.sx * (a - moved), cy + q.sy * k);
        }
    });
}
