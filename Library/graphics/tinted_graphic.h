#pragma once
// A recoloured working copy of another graphic, redrawn only when the colour changes.

#include "Library/graphics/colour_offset.h"

#include <memory>

class Graphic;
struct PixelSurface;

class TintedGraphic {
public:
    TintedGraphic();
    virtual ~TintedGraphic();
    TintedGraphic(const TintedGraphic&) = delete;
    TintedGraphic& operator=(const TintedGraphic&) = delete;

    void SetSource(const Graphic* graphic); // null ignored; the colour goes back to none
    void SetColour(const ColourOffset& offsets);
    void SetPosition(int x, int y);
    void Draw(const PixelSurface& surface, int x, int y) const;             // the copy, mode 0
    void DrawSourceMode11(const PixelSurface& surface, int x, int y) const; // the source's outline

private:
    void DrawSourceIntoWorking() const; // in the current blit mode

    ColourOffset m_colour;
    const Graphic* m_source = nullptr;
    std::unique_ptr<Graphic> m_working;
};
