#include "Library/world/view_scale.h"

ViewScale g_viewScale;

void ViewScale::Set(uint32_t mode, const Vector& offset) {
    if (mode == kAreaMap) {
        m_scaleX = TileGrid::kTileWidth;
        m_scaleY = TileGrid::kTileHeight;
    } else if (mode == kPixels) {
        m_scaleX = m_scaleY = 1.0f;
    } else {
        return;
    }
    m_mode = mode;
    m_offset = offset;
}
