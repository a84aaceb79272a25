#include "Library/graphics/update_rectangles.h"

#include "Library/graphics/screen.h"

#include <algorithm>

UpdateRectangles* g_updateRects = nullptr;

void UpdateRectangles::Add(int x, int y, int w, int h) {
    if (w <= 0 || h <= 0 || static_cast<long>(x) + w < 1 || x >= kScreenWidth - 1 ||
        static_cast<long>(y) + h < 1 || y >= kScreenHeight - 1)
        return;
    if (m_count == kMaxRects) { // dropping a change would leave stale pixels on the display
        m_rects[0] = SDL_Rect{0, 0, kScreenWidth, kScreenHeight};
        m_count = 1;
        return;
    }
    const int left = std::max(x, 0), top = std::max(y, 0);
    m_rects[m_count++] = SDL_Rect{static_cast<Sint16>(left), static_cast<Sint16>(top),
                                  static_cast<Uint16>(std::min(w, kScreenWidth - left)),
                                  static_cast<Uint16>(std::min(h, kScreenHeight - top))};
}

void UpdateRectangles::Flush(const Screen& screen) {
    if (m_count > 0)
        SDL_UpdateRects(screen.GetVideoSurface(), m_count, m_rects);
    m_count = 0;
}
