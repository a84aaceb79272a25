#pragma once
// The cells of a line between two cells as Bresenham's stepping gives them, both ends
// included, counted from the end with the smaller y: the major coordinate moves one cell a
// step, the minor one when the error term allows. Any cell can be had by its step number,
// and any run of steps walked, without walking the steps before it.

#include <cassert>
#include <cstdint>
#include <utility>

class BresenhamLine {
public:
    BresenhamLine(int x1, int y1, int x2, int y2) {
        if (y1 > y2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        m_startX = x1;
        m_startY = y1;
        int64_t dx = int64_t{x2} - x1;
        const int64_t dy = int64_t{y2} - y1;
        if (dx < 1) {
            m_xStep = -1;
            dx = -dx;
        }
        m_xMajor = dx > dy;
        m_majorDelta = m_xMajor ? dx : dy;
        m_minorDelta = m_xMajor ? dy : dx;
    }

    int64_t GetSteps() const { return m_majorDelta; } // the line has one cell more

    // The cell after the given number of steps. Both deltas must be below 2^31 (any line
    // between two cells of one map is).
    void CellAt(int64_t step, int& x, int& y) const { Place(step, MinorAt(step), x, y); }

    // Visits the cells of steps first to last in order, stopping at the first the visit
    // refuses; true when none was refused. For a first step above 0 the deltas must be
    // below 2^31.
    template <class Visit> bool Walk(int64_t first, int64_t last, Visit visit) const {
        return m_xMajor ? WalkAlong<true>(first, last, visit) : WalkAlong<false>(first, last, visit);
    }

private:
    // The minor steps taken in the first steps: the error term lets the minor coordinate
    // move at step s exactly when this count rises, rounding halves up.
    int64_t MinorAt(int64_t step) const {
        if (step == 0 || m_majorDelta == 0)
            return 0;
        assert(m_majorDelta < (int64_t{1} << 31) && step <= m_majorDelta);
        return (2 * m_minorDelta * step + m_majorDelta) / (2 * m_majorDelta);
    }
    // One form for each major axis, so that the coordinates stay in registers.
    template <bool kXMajor, class Visit>
    bool WalkAlong(int64_t first, int64_t last, Visit& visit) const {
        int64_t minor = MinorAt(first);
        int64_t error = 2 * m_minorDelta * (first + 1) - m_majorDelta - 2 * m_majorDelta * minor;
        int x = 0, y = 0;
        Place(first, minor, x, y);
        if (!visit(x, y))
            return false;
        for (int64_t step = first; step < last; ++step) {
            if (error >= 0) {
                (kXMajor ? y : x) += kXMajor ? 1 : m_xStep;
                error += 2 * (m_minorDelta - m_majorDelta);
            } else {
                error += 2 * m_minorDelta;
            }
            (kXMajor ? x : y) += kXMajor ? m_xStep : 1;
            if (!visit(x, y))
                return false;
        }
        return true;
    }
    void Place(int64_t step, int64_t minor, int& x, int& y) const {
        const int64_t major = step;
        x = static_cast<int>(m_startX + (m_xMajor ? major : minor) * m_xStep);
        y = static_cast<int>(m_startY + (m_xMajor ? minor : major));
    }

    int m_startX = 0;
    int m_startY = 0;
    int m_xStep = 1;
    bool m_xMajor = false;
    int64_t m_majorDelta = 0;
    int64_t m_minorDelta = 0;
};
