#include "Library/graphics/tinted_graphic.h"

#include "Library/core/tracked_new.h"
#include "Library/graphics/blit_state.h"
#include "Library/graphics/graphic.h"

#include <algorithm>

TintedGraphic::TintedGraphic() : m_working(NEW Graphic) {}

TintedGraphic::~TintedGraphic() = default;

void TintedGraphic::DrawSourceIntoWorking() const {
    g_graphicClipRect = m_working->WholeArea();
    m_source->Draw(m_working->GetSurface(), 0, 0);
}

void TintedGraphic::SetSource(const Graphic* graphic) {
    if (!graphic)
        return;
    m_source = graphic;
    if (m_working->GetWidth() < graphic->GetWidth() ||
        m_working->GetHeight() < graphic->GetHeight())
        m_working->Create(std::max(m_working->GetWidth(), graphic->GetWidth()),
                          std::max(m_working->GetHeight(), graphic->GetHeight()));
    m_colour = ColourOffset();
    m_working->SetPosition(graphic->GetX(), graphic->GetY());
    m_working->ClearToKey();
    const BlitStateScope saved;
    Graphic::SetBlitMode(0);
    DrawSourceIntoWorking();
}

void TintedGraphic::SetColour(const ColourOffset& offsets) {
    if (!m_source || offsets == m_colour)
        return;
    m_colour = offsets;
    const BlitStateScope saved;
    Graphic::SetBlitModeColour(2, offsets);
    DrawSourceIntoWorking();
}

void TintedGraphic::SetPosition(int x, int y) {
    m_working->SetPosition(x, y);
}

void TintedGraphic::Draw(const PixelSurface& surface, int x, int y) const {
    const BlitStateScope saved;
    Graphic::SetBlitMode(0);
    m_working->Draw(surface, x, y);
}

void TintedGraphic::DrawSourceMode11(const PixelSurface& surface, int x, int y) const {
    if (!m_source)
        return;
    const BlitStateScope saved;
    Graphic::SetBlitMode(11);
    m_source->Draw(surface, x, y);
}
