#include "Library/graphics/triangle.h"

#include "Library/graphics/colour.h"
#include "Library/graphics/screen.h"

#include <algorithm>

namespace {

struct Point {
    int x, y;
};

// Rows top to bottom - 1 between two edges that start at x top1 and x top2 and end at
// x bottom1 and x bottom2; the second edge lies right of the first and starts half a
// pixel further right. Each edge is found per row from its start, so no error builds up.
void FillPart(Screen& screen, int top, int bottom, double top1, double bottom1, double top2,
              double bottom2) {
    const double height = bottom - top;
    const int from = std::max<int>(top, g_clipRect.y1), to = std::min<int>(bottom, g_clipRect.y2);
    for (int y = from; y < to; ++y) {
        const double done = y - top;
        const double left = top1 + (bottom1 - top1) * done / height;
        const double right = top2 + 0.5 + (bottom2 - top2) * done / height;
        screen.FillRect(static_cast<int>(left), y, static_cast<int>(right), y + 1);
    }
}

// Apex above, flat edge at row bottom.
void FillFlatBottom(Screen& screen, Point apex, int bottom, int xa, int xb) {
    FillPart(screen, apex.y, bottom, apex.x, std::min(xa, xb), apex.x, std::max(xa, xb));
}

// Flat edge at row top, apex below.
void FillFlatTop(Screen& screen, int top, int xa, int xb, Point apex) {
    FillPart(screen, top, apex.y, std::min(xa, xb), apex.x, std::max(xa, xb), apex.x);
}

// Vertices sorted by y; the long edge is split at the middle vertex's row.
void FillSorted(Screen& screen, const Point p[3]) {
    if (p[0].y == p[1].y) {
        FillFlatTop(screen, p[0].y, p[0].x, p[1].x, p[2]);
    } else if (p[1].y == p[2].y) {
        FillFlatBottom(screen, p[0], p[1].y, p[1].x, p[2].x);
    } else {
        const int split = static_cast<int>(p[0].x + static_cast<double>(p[2].x - p[0].x) *
                                                        (p[1].y - p[0].y) / (p[2].y - p[0].y));
        FillFlatBottom(screen, p[0], p[1].y, split, p[1].x);
        FillFlatTop(screen, p[1].y, split, p[1].x, p[2]);
    }
}

} // namespace

void DrawTriangle(Screen& screen, const Triangle& triangle) {
    Point p[3];
    for (int i = 0; i < 3; ++i)
        p[i] = {triangle.vertex[i][0], triangle.vertex[i][1]};
    std::stable_sort(p, p + 3, [](const Point& a, const Point& b) { return a.y < b.y; });

    screen.SetDrawColour(Colour(255, 255, 255).Pack16());
    const bool vertical = p[0].x == p[1].x && p[1].x == p[2].x;
    if (!vertical && p[0].y != p[2].y)
        FillSorted(screen, p);

    screen.SetDrawColour(Colour(255, 0, 0).Pack16());
    screen.DrawLine(p[0].x, p[0].y, p[1].x, p[1].y);
    screen.DrawLine(p[0].x, p[0].y, p[2].x, p[2].y);
    screen.DrawLine(p[2].x, p[2].y, p[1].x, p[1].y);
}
