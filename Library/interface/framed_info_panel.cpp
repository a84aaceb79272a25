#include "Library/interface/framed_info_panel.h"

#include "Library/core/tracked_new.h"
#include "Library/graphics/blit_state.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/dirty_rect_graphic.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/screen.h"
#include "Library/graphics/update_rectangles.h"

FramedInfoPanel::FramedInfoPanel(const Rect& rect, int stacking, int maxLines, int font,
                                 int highlightFont)
    : InfoPanel(rect, stacking, maxLines, font, highlightFont), m_frame(rect),
      m_saver(NEW DirtyRectGraphic()) {
    FitSaver();
}

// Sized with the frame, so the very first save already holds the whole area.
void FramedInfoPanel::FitSaver() {
    m_saver->SetPosition(m_frame.x1, m_frame.y1);
    m_saver->SetSize(m_frame.x2 - m_frame.x1 + 1, m_frame.y2 - m_frame.y1 + 1);
}

FramedInfoPanel::~FramedInfoPanel() = default;

void FramedInfoPanel::SetRect(const Rect& rect) {
    if (!m_visible || rect == m_frame)
        return;
    InfoPanel::SetRect(
        Rect::Make(rect.x1 + kInset, rect.y1 + kInset, rect.x2 - kInset, rect.y2 - kInset));
    m_frame = rect;
    FitSaver();
}

void FramedInfoPanel::Move(int x, int y) {
    if (!m_visible)
        return;
    const int dx = x - m_frame.x1;
    const int dy = y - m_frame.y1;
    InfoPanel::Move(GetRect().x1 + dx, GetRect().y1 + dy);
    m_frame = m_frame.Translated(dx, dy);
    FitSaver();
}

bool FramedInfoPanel::IsShown() const {
    return m_visible && GetWindow().GetBlockCount() > 0;
}

void FramedInfoPanel::SaveBackground(const Screen& screen) {
    if (!IsShown())
        return;
    BlitStateScope blitState;
    Graphic::SetBlitMode(0);
    m_saver->SaveBackground(screen.GetSurface());
}

void FramedInfoPanel::RestoreBackground(const Screen& screen) {
    if (!IsShown())
        return;
    BlitStateScope blitState;
    Graphic::SetBlitMode(0);
    m_saver->RestoreBackground(screen.GetSurface());
    AddSavedAreaToUpdates();
}

void FramedInfoPanel::AddSavedAreaToUpdates() const {
    const ScreenPos& area = m_saver->GetPos();
    if (g_updateRects != nullptr)
        g_updateRects->Add(area.x, area.y, area.w, area.h);
}

void FramedInfoPanel::Draw(Screen& screen) {
    if (!IsShown())
        return;
    if (m_firstDraw) {
        m_firstDraw = false;
        return;
    }
    const uint16_t savedColour = screen.GetDrawColour();
    screen.SetDrawColour(Colour(0, 0, 0).Pack16());
    screen.DrawBox(kBoxStyle, m_frame.x1, m_frame.y1, m_frame.x2, m_frame.y2);
    screen.SetDrawColour(Colour(255, 255, 0).Pack16());
    screen.DrawRectFrom(m_frame);
    screen.SetDrawColour(savedColour);
    InfoPanel::Draw(screen);
    m_saver->Draw(screen.GetSurface());
    AddSavedAreaToUpdates();
}
