#pragma once
// Walks the tile cells under a line with Bresenham's stepping, asking a cell test about
// each one, both ends included. The walk always runs from the end with the smaller y, so
// the stop cell is the first refused cell counted from that end.

#include "Library/geometry/bresenham_line.h"

#include <utility>

// CellTest: any callable (int x, int y) -> bool that accepts a cell.
template <class CellTest> class LineTracer {
public:
    explicit LineTracer(CellTest test) : m_test(std::move(test)) {}

    // True when the test accepted every cell; false at the first refused one, which
    // becomes the stop cell.
    bool Trace(int x1, int y1, int x2, int y2) {
        const BresenhamLine line(x1, y1, x2, y2);
        return line.Walk(0, line.GetSteps(), [this](int x, int y) { return Visit(x, y); });
    }

    int GetStopX() const { return m_stopX; }
    int GetStopY() const { return m_stopY; }

private:
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
