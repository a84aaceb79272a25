// What the animation editor shows in each state.
#include "Source/editors/animation_editor.h"

#include "Library/geometry/map_view.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/colour_mod.h"
#include "Library/graphics/ellipse_shape.h"
#include "Library/graphics/screen.h"
#include "Library/interface/directory_panel.h"
#include "Library/interface/interface_object.h"

namespace {

constexpr int kAnchorRadiusX = 24;
constexpr int kAnchorRadiusY = 18;
constexpr int kAnchorReach = 200;
constexpr float kTransparentFade = 128;
constexpr int kFailureY = 570; // below the directory box and the anchor's lines

} // namespace

void AnimationEditor::Draw(Screen& screen) {
    switch (m_state) {
    case kMainWindow:
        if (m_redraw || m_mainWindow->IsDirty()) {
            m_redraw = false;
            m_mainWindow->SetDirty(true);
            m_mainWindow->Draw(screen);
        }
        break;
    case kChooseSet:
    case kChooseComparison:
        if (m_redraw) {
            m_redraw = false;
            m_directoryBox->SetDirty();
        }
        m_directoryBox->Draw(screen);
        m_failure.Draw(screen, 0, kFailureY);
        break;
    case kEditWindow:
        DrawEditWindow(screen);
        break;
    }
}

void AnimationEditor::DrawEditWindow(Screen& screen) {
    m_redraw = false;
    screen.SetDrawColour(Colour(0, 255, 0).Pack16());
    screen.Clear();
    m_editWindow->SetDirty(true);
    m_editWindow->Draw(screen);
    DrawAnchor(screen);
    DrawPlayers(screen);
    DrawReference(screen);
    m_failure.Draw(screen, 0, kFailureY);
}

void AnimationEditor::DrawAnchor(Screen& screen) const {
    const int x = RoundToPixel(m_anchor.x * kPixelsPerUnitX);
    const int y = RoundToPixel(m_anchor.y * kPixelsPerUnitY);
    screen.SetDrawColour(Colour(0, 255, 255).Pack16());
    DrawEllipse(EllipseShape{1, x, y, kAnchorRadiusX, kAnchorRadiusY}, &screen);
    screen.DrawLine(x - kAnchorReach, y, x + kAnchorReach, y);
    screen.DrawLine(x, y - kAnchorReach, x, y + kAnchorReach);
}

// Highest frame flag first; of equal flags the current player, then the comparisons in
// slot order. The current player stays see-through while transparency is on.
void AnimationEditor::DrawPlayers(Screen& screen) {
    ColourMod shown;
    if (m_transparent)
        shown.SetFade(true, kTransparentFade);
    m_player.ApplyColourMod(shown);
    m_player.Update();
    m_drawOrder.Clear();
    m_drawOrder.Insert(m_player.GetFrameFlag(), &m_player);
    for (int slot = 0; slot < m_comparisons.GetCount(); ++slot) {
        if (!m_comparisons.IsUsed(slot))
            continue;
        AnimationMgr& comparison = *m_comparisons.Get(slot);
        comparison.ApplyColourMod(ColourMod());
        comparison.Update();
        m_drawOrder.Insert(comparison.GetFrameFlag(), &comparison);
    }
    for (auto* node = m_drawOrder.GetHead(); node; node = node->next) {
        AnimationMgr& player = *node->item;
        Vector offset = m_offset;
        if (&player != &m_player)
            player.GetFrameOffsets(offset.x, offset.y, offset.z);
        DrawPlayer(screen, player, offset);
    }
}

void AnimationEditor::DrawPlayer(Screen& screen, AnimationMgr& player, const Vector& offset) {
    const Vector place = m_anchor + offset;
    const int x = RoundToPixel(place.x * kPixelsPerUnitX);
    const int y = RoundToPixel(place.y * kPixelsPerUnitY);
    player.DrawSurface(screen.GetVideoSurface(), x, y);
    if (&player == &m_player) {
        m_drawnX = x;
        m_drawnY = y;
    }
}

void AnimationEditor::DrawReference(Screen& screen) {
    if (!HoldsReference())
        return;
    m_reference.SetSequence(m_player.GetSequence());
    m_reference.SetFrame(m_referenceFrame);
    m_reference.Update();
    m_reference.DrawSurface(screen.GetVideoSurface(), m_referenceX, m_referenceY);
}
