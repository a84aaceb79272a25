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
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return false;
    uint32_t& round = m_rounds[static_cast<size_t>(y) * static_cast<size_t>(m_width) +
                               static_cast<size_t>(x)];
    if (round == m_round)
        return false;
    round = m_round;
    return true;
}
