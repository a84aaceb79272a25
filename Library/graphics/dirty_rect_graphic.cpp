#include "Library/graphics/dirty_rect_graphic.h"

#include "Library/core/tracked_new.h"
#include "Library/graphics/blit_state.h"
#include "Library/graphics/graphic.h"

#include <algorithm>

DirtyRectGraphic::DirtyRectGraphic() : m_background(NEW Graphic) {}

DirtyRectGraphic::~DirtyRectGraphic() = default;

void DirtyRectGraphic::SetImage(Graphic* image) {
    if (!image)
        return;
    m_image = image;
    SetSize(image->GetWidth(), image->GetHeight());
}

void DirtyRectGraphic::SetSize(int w, int h) {
    m_pos.w = w;
    m_pos.h = h;
    const int heldW = m_background->GetWidth(), heldH = m_background->GetHeight();
    if (w <= heldW && h <= heldH)
        return;
    m_background->Create(std::max(w, heldW), std::max(h, heldH));
    m_savedClip = Rect(); // the new pixels hold nothing yet
}

void DirtyRectGraphic::Reset() {
    m_pos.x = m_pos.y = m_savedX = m_savedY = kResetPlace;
}

void DirtyRectGraphic::SaveBackground(const PixelSurface& surface) {
    m_background->CopyFromSurface(surface, m_pos.x, m_pos.y);
    m_savedX = m_pos.x;
    m_savedY = m_pos.y;
    m_savedClip = g_graphicClipRect;
}

void DirtyRectGraphic::Draw(const PixelSurface& surface) {
    m_drawn = true;
    if (!m_image)
        return;
    m_image->SetPosition(m_pos.x, m_pos.y);
    m_image->DrawRegion(surface, 0, 0, m_pos.w, m_pos.h, m_pos.x, m_pos.y);
}

void DirtyRectGraphic::RestoreBackground(const PixelSurface& surface) const {
    if (!m_drawn)
        return;
    BlitStateScope scope;
    g_graphicClipRect = m_savedClip;
    m_background->Draw(surface, m_savedX, m_savedY);
}

bool DirtyRectGraphic::IsOpaqueAt(int x, int y) const {
    return m_image && m_image->IsOpaqueAt(x, y);
}
