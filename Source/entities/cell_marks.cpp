#include "Source/entities/cell_marks.h"

#include <algorithm>

void CellMarks::StartRound(int width, int height) {
    if (width != m_width || height != m_height) {
        m_width = std::max(width, 0);
        m_height = std::max(height, 0);
        m_rounds.assign(static_cast<size_t>(m_width) * static_cast<size_t>(m_height), 0);
        m_round = 0;
    }
    if (++m_round == 0) { // wrapped: a mark of an old round would pass for this one
        std::fill(m_rounds.begin(), m_rounds.end(), 0);
        m_round = 1;
    }
}

bool CellMarks::Mark(int x, int y) {
    if (!IsOnGrid(x, y))
        return false;
    uint32_t& round = m_rounds[Index(x, y)];
    if (round == m_round)
        return false;
    round = m_round;
    return true;
}

bool CellMarks::IsMarked(int x, int y) const {
    return IsOnGrid(x, y) && m_rounds[Index(x, y)] == m_round;
}

bool CellMarks::IsOnGrid(int x, int y) const {
    return x >= 0 && y >= 0 && x < m_width && y < m_height;
}

size_t CellMarks::Index(int x, int y) const {
    return static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x);
}
