#pragma once
// A picture the demo world draws in true colour and then saves in the form the game
// loads: ".tga" through the game's own image writer, ".bmp" as 24-bit, or ".jpg".
// Magenta (255, 0, 255) is what the game treats as transparent.

#include "Library/core/stringc.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/surface_ptr.h"

class LabelFont;

class Canvas {
public:
    static const Colour kTransparent;

    Canvas(int width, int height, const Colour& fill);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool IsReady() const { return m_surface != nullptr; }

    void Fill(int x, int y, int width, int height, const Colour& colour);
    // From top to bottom, one colour to the other.
    void Gradient(int x, int y, int width, int height, const Colour& top, const Colour& bottom);
    void Frame(int x, int y, int width, int height, const Colour& colour); // 1-pixel outline
    // A raised panel: light top and left edges, dark bottom and right ones.
    void Bevel(int x, int y, int width, int height, const Colour& face);
    void Disc(int centreX, int centreY, int radius, const Colour& colour);
    // A filled triangle pointing '^', 'v', '<' or '>', centred, half as high as it is wide.
    void Arrow(int centreX, int centreY, int size, char direction, const Colour& colour);
    // A '+' or a '-' with arms of that many pixels either side of the centre.
    void Sign(int centreX, int centreY, int arm, char sign, const Colour& colour);
    // The text in the largest point size up to pointSize that fits maxWidth, centred on
    // (centreX, centreY); false when no size fits.
    bool TextCentred(LabelFont& font, int pointSize, int centreX, int centreY, int maxWidth,
                     const Stringc& text, const Colour& colour);
    void Text(LabelFont& font, int pointSize, int x, int y, const Stringc& text,
              const Colour& colour); // top-left at (x, y)

    // Each makes the file's directories and reports a failure with the path.
    bool SaveTga(const Stringc& path) const;
    bool SaveBmp(const Stringc& path) const;
    bool SaveJpeg(const Stringc& path) const;

private:
    void Blit(SDL_Surface* text, int x, int y);

    int m_width;
    int m_height;
    SurfacePtr m_surface;
};
