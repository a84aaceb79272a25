#include "Library/graphics/screen.h"

#include "Library/graphics/pixel_format.h"
#include "Library/graphics/span.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Rows of the 8 x 8 arrow, bit 7 the leftmost pixel.
constexpr uint8_t kPointerMask[8] = {0xF0, 0xE0, 0xF0, 0xB8, 0x1C, 0x0E, 0x07, 0x02};

int64_t FloorDiv(__int128 a, int64_t b) { // b > 0
    __int128 q = a / b;
    if (a % b != 0 && a < 0)
        --q;
    return static_cast<int64_t>(q);
}

// A Bresenham line from (x1, y1) seen along its major axis: step i (0..length) is at
// major + i * majorStep and minor + Offset(i) * minorStep. Clipping picks the steps
// whose pixels lie inside the clip rectangle, so a clipped line draws exactly the
// pixels the whole line would draw there.
class BresenhamLine {
public:
    BresenhamLine(int x1, int y1, int x2, int y2) {
        const int64_t dx = std::abs(int64_t{x2} - x1), dy = std::abs(int64_t{y2} - y1);
        m_xMajor = dx >= dy;
        m_length = m_xMajor ? dx : dy;
        m_delta = m_xMajor ? dy : dx;
        m_major = m_xMajor ? x1 : y1;
        m_minor = m_xMajor ? y1 : x1;
        m_majorStep = (m_xMajor ? x2 - int64_t{x1} : y2 - int64_t{y1}) < 0 ? -1 : 1;
        m_minorStep = (m_xMajor ? y2 - int64_t{y1} : x2 - int64_t{x1}) < 0 ? -1 : 1;
    }

    // Minor-axis offset of step i: ceil((2 delta i - length) / (2 length)).
    int64_t Offset(int64_t i) const {
        return -FloorDiv(-(__int128{2} * m_delta * i - m_length), 2 * m_length);
    }

    // Narrows [first, last] to the steps inside the clip; false when none are.
    bool Clip(const Rect& clip, int64_t& first, int64_t& last) const {
        const int64_t majorLo = m_xMajor ? clip.x1 : clip.y1;
        const int64_t majorHi = (m_xMajor ? clip.x2 : clip.y2) - 1;
        const int64_t minorLo = m_xMajor ? clip.y1 : clip.x1;
        const int64_t minorHi = (m_xMajor ? clip.y2 : clip.x2) - 1;
        first = std::max<int64_t>(0, m_majorStep > 0 ? majorLo - m_major : m_major - majorHi);
        last = std::min(m_length, m_majorStep > 0 ? majorHi - m_major : m_major - majorLo);
        const int64_t offsetLo = m_minorStep > 0 ? minorLo - m_minor : m_minor - minorHi;
        const int64_t offsetHi = m_minorStep > 0 ? minorHi - m_minor : m_minor - minorLo;
        if (first > last)
            return false;
        // Offsets never decrease with the step, so each bound is one binary search.
        first = FirstStep(first, last + 1, [&](int64_t i) { return Offset(i) >= offsetLo; });
        last = FirstStep(first, last + 1, [&](int64_t i) { return Offset(i) > offsetHi; }) - 1;
        return first <= last;
    }

    void Point(int64_t i, int& x, int& y) const {
        const int64_t major = m_major + i * m_majorStep;
        const int64_t minor = m_minor + Offset(i) * m_minorStep;
        x = static_cast<int>(m_xMajor ? major : minor);
        y = static_cast<int>(m_xMajor ? minor : major);
    }

    template <class PlotFn> void Walk(int64_t first, int64_t last, PlotFn plot) const {
        int x, y;
        Point(first, x, y);
        // Decision value after step i: 2 delta (i + 1) - length - 2 length offset(i).
        int64_t decision = static_cast<int64_t>(__int128{2} * m_delta * (first + 1) - m_length -
                                                __int128{2} * m_length * Offset(first));
        int& major = m_xMajor ? x : y;
        int& minor = m_xMajor ? y : x;
        for (int64_t i = first; i <= last; ++i) {
            plot(x, y);
            if (decision > 0) {
                minor += static_cast<int>(m_minorStep);
                decision -= 2 * m_length;
            }
            decision += 2 * m_delta;
            major += static_cast<int>(m_majorStep);
        }
    }

private:
    template <class Pred> static int64_t FirstStep(int64_t lo, int64_t hi, Pred pred) {
        while (lo < hi) {
            const int64_t mid = lo + (hi - lo) / 2;
            if (pred(mid))
                hi = mid;
            else
                lo = mid + 1;
        }
        return lo;
    }

    bool m_xMajor;
    int64_t m_length, m_delta, m_major, m_minor, m_majorStep, m_minorStep;
};

bool Inside(const Rect& clip, int x, int y) {
    return x >= clip.x1 && x < clip.x2 && y >= clip.y1 && y < clip.y2;
}

// Clips both corners of a rectangle to the clip; false when nothing is left.
bool IntersectClip(int& x1, int& y1, int& x2, int& y2) {
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    x1 = std::max<int>(x1, g_clipRect.x1);
    y1 = std::max<int>(y1, g_clipRect.y1);
    x2 = std::min<int>(x2, g_clipRect.x2);
    y2 = std::min<int>(y2, g_clipRect.y2);
    return x1 < x2 && y1 < y2;
}

} // namespace

void Screen::Clear() {
    // SDL_FillRect would keep to the SDL clip rectangle
    if (m_surface.pixels)
        FillSpan16(m_surface.pixels, m_drawColour, m_surface.width * m_surface.height);
}

void Screen::FillRow(int y, int x1, int x2) {
    FillSpan16(m_surface.pixels + y * m_surface.width + x1, m_drawColour, x2 - x1);
}

// Horizontal and vertical lines, both ends included, clipped to g_clipRect.
void Screen::DrawStraightLine(int x1, int y1, int x2, int y2) {
    if (y1 == y2) {
        if (y1 < g_clipRect.y1 || y1 >= g_clipRect.y2)
            return;
        const int from = std::max<int>(std::min(x1, x2), g_clipRect.x1);
        const int to = std::min<int>(std::max(x1, x2), g_clipRect.x2 - 1);
        if (from <= to)
            FillRow(y1, from, to + 1);
        return;
    }
    if (x1 < g_clipRect.x1 || x1 >= g_clipRect.x2)
        return;
    const int from = std::max<int>(std::min(y1, y2), g_clipRect.y1);
    const int to = std::min<int>(std::max(y1, y2), g_clipRect.y2 - 1);
    for (int y = from; y <= to; ++y)
        Plot(x1, y);
}

template <class Slanted>
void Screen::DrawClippedLine(int x1, int y1, int x2, int y2, Slanted slanted) {
    if (!m_surface.pixels)
        return;
    if (x1 == x2 || y1 == y2) {
        DrawStraightLine(x1, y1, x2, y2);
        return;
    }
    const BresenhamLine line(x1, y1, x2, y2);
    int64_t first, last;
    if (line.Clip(g_clipRect, first, last))
        slanted(line, first, last);
}

void Screen::DrawLine(int x1, int y1, int x2, int y2) {
    DrawClippedLine(x1, y1, x2, y2, [this](const BresenhamLine& line, int64_t first, int64_t last) {
        line.Walk(first, last, [this](int x, int y) { Plot(x, y); });
    });
}

void Screen::DrawLineFixed(int x1, int y1, int x2, int y2) {
    DrawClippedLine(x1, y1, x2, y2, [this](const BresenhamLine& line, int64_t first, int64_t last) {
        int fromX, fromY, toX, toY;
        line.Point(first, fromX, fromY);
        line.Point(last, toX, toY);
        DrawFixedSteps(fromX, fromY, toX, toY);
    });
}

// A 16.16 fixed-point walk between the first and last visible pixels of a line. The walk
// starts on the pixel's corner and its steps truncate, so the outlines keep the look they
// were drawn with: walked forward a line may stop a pixel short of its end.
void Screen::DrawFixedSteps(int x1, int y1, int x2, int y2) {
    const int dx = x2 - x1, dy = y2 - y1;
    const int steps = std::abs(dx) + std::abs(dy) - std::min(std::abs(dx), std::abs(dy)) / 2;
    if (steps == 0) {
        Plot(x1, y1);
        return;
    }
    const int64_t stepX = int64_t{dx} * 65536 / steps, stepY = int64_t{dy} * 65536 / steps;
    int64_t fx = int64_t{x1} * 65536, fy = int64_t{y1} * 65536;
    for (int i = 0; i <= steps; ++i) {
        const int x = static_cast<int>(fx >> 16), y = static_cast<int>(fy >> 16);
        if (Inside(g_clipRect, x, y))
            Plot(x, y);
        fx += stepX;
        fy += stepY;
    }
}

void Screen::DrawRect(int x1, int y1, int x2, int y2) {
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    if (x2 < g_clipRect.x1 || x1 >= g_clipRect.x2 - 1 || y2 < g_clipRect.y1 ||
        y1 >= g_clipRect.y2 - 1)
        return;
    DrawLine(x1, y1, x2, y1);
    DrawLine(x1, y2, x2, y2);
    DrawLine(x1, y1, x1, y2);
    DrawLine(x2, y1, x2, y2);
}

void Screen::FillRect(int x1, int y1, int x2, int y2) {
    if (!m_surface.pixels || !IntersectClip(x1, y1, x2, y2))
        return;
    for (int y = y1; y < y2; ++y)
        FillRow(y, x1, x2);
}

void Screen::DrawBox(int boxMode, int x1, int y1, int x2, int y2) {
    static const FillSpanFunc kBoxSpans[3][2] = {
        {ShadeSpan555, ShadeSpan565},
        {HalfBoxSpan555, HalfBoxSpan565},
        {TintBoxSpan555, TintBoxSpan565},
    };
    if (boxMode == 3) {
        FillRect(x1, y1, x2, y2);
        return;
    }
    if (boxMode < 0 || boxMode > 2 || !m_surface.pixels || !IntersectClip(x1, y1, x2, y2))
        return;
    const FillSpanFunc span = kBoxSpans[boxMode][g_pixelFormat == kPixelFormat565];
    for (int y = y1; y < y2; ++y)
        span(m_surface.pixels + y * m_surface.width + x1, m_drawColour, x2 - x1);
}

void Screen::FillRectStipple(int x1, int y1, int x2, int y2) {
    const int cornerParity = (std::min(x1, x2) + std::min(y1, y2)) & 1;
    if (!m_surface.pixels || !IntersectClip(x1, y1, x2, y2))
        return;
    for (int y = y1; y < y2; ++y)
        for (int x = x1 + ((x1 + y + cornerParity) & 1); x < x2; x += 2)
            Plot(x, y);
}

void Screen::ClipOutcode(int x, int y, bool out[4]) const {
    out[0] = x < g_clipRect.x1;
    out[1] = y < g_clipRect.y1;
    out[2] = x >= g_clipRect.x2;
    out[3] = y >= g_clipRect.y2;
}

void Screen::HorizontalSpan(int y, int x1, int x2) {
    if (!m_surface.pixels || y < 0 || y >= m_surface.height)
        return;
    if (x1 > x2)
        std::swap(x1, x2);
    x1 = std::max(x1, 0);
    x2 = std::min(x2, m_surface.width);
    if (x1 < x2)
        FillRow(y, x1, x2);
}

void Screen::VerticalSpan(int x, int y1, int y2) {
    if (!m_surface.pixels || x < 0 || x >= m_surface.width)
        return;
    if (y1 > y2)
        std::swap(y1, y2);
    y1 = std::max(y1, 0);
    y2 = std::min(y2, m_surface.height - 1);
    for (int y = y1; y <= y2; ++y)
        Plot(x, y);
}

void Screen::DrawPointerGlyph(int x, int y) {
    if (!m_surface.pixels)
        return;
    x = std::clamp(x, 0, m_surface.width - 1);
    y = std::clamp(y, 0, m_surface.height - 1);
    const int rows = std::min(8, m_surface.height - y);
    const int columns = std::min(8, m_surface.width - x);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            if (kPointerMask[row] & (0x80 >> column))
                m_surface.pixels[(y + row) * m_surface.width + x + column] = 0xFFFF;
}
