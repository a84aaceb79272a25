#include "Library/world/path_point_list.h"

#include "Library/world/tile_map.h"

#include <algorithm>
#include <cmath>

namespace {

bool WithinOneCell(const Vector& a, const Vector& b) {
    return std::fabs(a.x - b.x) <= 1.0f && std::fabs(a.y - b.y) <= 1.0f;
}

} // namespace

void PathPointList::AddPoint(const Vector& p) {
    if (m_rawCount >= kMaxRaw)
        return;
    if (m_rawCount > 1 && WithinOneCell(p, m_raw[m_rawCount - 1]) &&
        WithinOneCell(p, m_raw[m_rawCount - 2]))
        m_raw[m_rawCount - 1] = p;
    else
        m_raw[m_rawCount++] = p;
}

void PathPointList::AddPointRaw(const Vector& p) {
    if (m_rawCount < kMaxRaw)
        m_raw[m_rawCount++] = p;
}

void PathPointList::Simplify(int limit, const TileMap& map) {
    limit = std::min(limit, kMaxSmoothed);
    m_smoothedCount = 0;
    if (m_rawCount == 0 || limit <= 0)
        return;
    Vector anchor = m_raw[0];
    m_smoothed[m_smoothedCount++] = anchor;
    for (int i = 1; i < m_rawCount && m_smoothedCount < limit; ++i) {
        if (map.WalkLineBCounted(anchor, m_raw[i])) {
            m_smoothed[m_smoothedCount - 1] = m_raw[i];
        } else {
            anchor = m_smoothed[m_smoothedCount - 1];
            m_smoothed[m_smoothedCount++] = m_raw[i];
        }
    }
}
