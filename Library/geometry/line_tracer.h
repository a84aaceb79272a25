#pragma once
// Walks the tile cells under a line with Bresenham's stepping, asking a cell test about
// each one, both ends included. The walk always runs from the end with the smaller y, so
// the stop cell is the first refused cell counted from that end.

#include <cstdint>
#include <utility>

// CellTest: any callable (int x, int y) -> bool that accepts a cell.
template <class CellTest> class LineTracer {
public:
    explicit LineTracer(CellTest test) : m_test(std::move(test)) {}

    // True when the test accepted every cell; false at the first refused one, which
    // becomes the stop cell.
    bool Trace(int x1, int y1, int x2, int y2) {
        if (y1 > y2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        int64_t dx = int64_t{x2} - x1;
        const int64_t dy = int64_t{y2} - y1;
        int xStep = 1;
        if (dx < 1) {
            xStep = -1;
            dx = -dx;
        }
        return dx > dy ? TraceXMajor(x1, y1, dx, dy, xStep) : TraceYMajor(x1, y1, dx, dy, xStep);
    }

    int GetStopX() const { return m_stopX; }
    int GetStopY() const { return m_stopY; }

private:
    bool TraceXMajor(int x, int y, int64_t dx, int64_t dy, int xStep) {
        return Walk(x, y, x, xStep, y, 1, dx, dy);
    }
    bool TraceYMajor(int x, int y, int64_t dx, int64_t dy, int xStep) {
        return Walk(x, y, y, 1, x, xStep, dy, dx);
    }

    // Bresenham's walk: the major coordinate moves every step, the minor one when the
    // error term allows. major and minor are x and y in either order.
    bool Walk(int& x, int& y, int& major, int majorStep, int& minor, int minorStep,
              int64_t majorDelta, int64_t minorDelta) {
        if (!Visit(x, y))
            return false;
        int64_t error = 2 * minorDelta - majorDelta;
        for (int64_t step = 0; step < majorDelta; ++step) {
            if (error >= 0) {
                minor += minorStep;
                error += 2 * (minorDelta - majorDelta);
            } else {
                error += 2 * minorDelta;
            }
            major += majorStep;
            if (!Visit(x, y))
                return false;
        }
        return true;
    }

    bool Visit(int x, int y) {
        if (m_test(x, y))
            return true;
        m_stopX = x;
        m_stopY = y;
        return false;
    }

    CellTest m_test;
    int m_stopX = 0; // written only when a cell is refused
    int m_stopY = 0;
};
