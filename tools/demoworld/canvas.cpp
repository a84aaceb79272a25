#include "tools/demoworld/canvas.h"

#include "Library/files/directory_list.h"
#include "Library/files/file_stream.h"
#include "Library/graphics/graphic.h"
#include "tools/demoworld/demo_output.h"
#include "tools/demoworld/label_font.h"
#include "tools/encoders/jpeg_writer.h"

#include <SDL/SDL_ttf.h>

#include <algorithm>

namespace {

constexpr int kJpegQuality = 85;
constexpr int kBevel = 2;

Colour Shade(const Colour& colour, int amount) {
    const auto shift = [amount](int channel) {
        return static_cast<uint8_t>(std::clamp(channel + amount, 0, 255));
    };
    return Colour(shift(colour.red), shift(colour.green), shift(colour.blue));
}

} // namespace

const Colour Canvas::kTransparent(255, 0, 255);

Canvas::Canvas(int width, int height, const Colour& fill)
    : m_width(width), m_height(height),
      m_surface(
          SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0xFF0000, 0x00FF00, 0x0000FF, 0)) {
    Fill(0, 0, width, height, fill);
}

void Canvas::Fill(int x, int y, int width, int height, const Colour& colour) {
    if (!m_surface || width <= 0 || height <= 0)
        return;
    SDL_Rect area{static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(width),
                  static_cast<Uint16>(height)};
    SDL_FillRect(m_surface.get(), &area,
                 SDL_MapRGB(m_surface->format, colour.red, colour.green, colour.blue));
}

void Canvas::Gradient(int x, int y, int width, int height, const Colour& top,
                      const Colour& bottom) {
    const auto mix = [height](int a, int b, int row) {
        return static_cast<uint8_t>(a + (b - a) * row / std::max(height - 1, 1));
    };
    for (int row = 0; row < height; ++row)
        Fill(x, y + row, width, 1,
             Colour(mix(top.red, bottom.red, row), mix(top.green, bottom.green, row),
                    mix(top.blue, bottom.blue, row)));
}

void Canvas::Frame(int x, int y, int width, int height, const Colour& colour) {
    Fill(x, y, width, 1, colour);
    Fill(x, y + height - 1, width, 1, colour);
    Fill(x, y, 1, height, colour);
    Fill(x + width - 1, y, 1, height, colour);
}

void Canvas::Bevel(int x, int y, int width, int height, const Colour& face) {
    Fill(x, y, width, height, face);
    const Colour light = Shade(face, 70);
    const Colour dark = Shade(face, -70);
    Fill(x, y, width, kBevel, light);
    Fill(x, y, kBevel, height, light);
    Fill(x, y + height - kBevel, width, kBevel, dark);
    Fill(x + width - kBevel, y, kBevel, height, dark);
}

void Canvas::Disc(int centreX, int centreY, int radius, const Colour& colour) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (dx * dx + dy * dy <= radius * radius)
                Fill(centreX + dx, centreY + dy, 1, 1, colour);
}

void Canvas::Sign(int centreX, int centreY, int arm, char sign, const Colour& colour) {
    Fill(centreX - arm, centreY, 2 * arm + 1, 1, colour);
    if (sign == '+')
        Fill(centreX, centreY - arm, 1, 2 * arm + 1, colour);
}

void Canvas::Arrow(int centreX, int centreY, int size, char direction, const Colour& colour) {
    const int half = size / 2;
    for (int step = 0; step <= half; ++step) {
        const int across = step; // the tip is one pixel wide
        const int along = step - half / 2;
        switch (direction) {
        case '^':
            Fill(centreX - across, centreY + along, 2 * across + 1, 1, colour);
            break;
        case 'v':
            Fill(centreX - across, centreY - along, 2 * across + 1, 1, colour);
            break;
        case '<':
            Fill(centreX + along, centreY - across, 1, 2 * across + 1, colour);
            break;
        default:
            Fill(centreX - along, centreY - across, 1, 2 * across + 1, colour);
            break;
        }
    }
}

bool Canvas::TextCentred(LabelFont& font, int pointSize, int centreX, int centreY, int maxWidth,
                         const Stringc& text, const Colour& colour) {
    for (int size = pointSize; size >= 6; --size) {
        const int width = font.TextWidth(size, text.c_str());
        if (width < 0)
            return false;
        if (width > maxWidth)
            continue;
        const int height = TTF_FontHeight(font.At(size));
        Text(font, size, centreX - width / 2, centreY - height / 2, text, colour);
        return true;
    }
    return false;
}

void Canvas::Text(LabelFont& font, int pointSize, int x, int y, const Stringc& text,
                  const Colour& colour) {
    TTF_Font* face = font.At(pointSize);
    if (!face || text.Length() == 0)
        return;
    const SDL_Color ink{colour.red, colour.green, colour.blue, 0};
    const SurfacePtr rendered(TTF_RenderText_Blended(face, text.c_str(), ink));
    Blit(rendered.get(), x, y);
}

void Canvas::Blit(SDL_Surface* text, int x, int y) {
    if (!text || !m_surface)
        return;
    SDL_Rect place{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_BlitSurface(text, nullptr, m_surface.get(), &place);
}

bool Canvas::SaveTga(const Stringc& path) const {
    Graphic picture;
    const bool saved = m_surface && MakeDirectories(path) &&
                       picture.FromSurface(
                           SDL_ConvertSurface(m_surface.get(), m_surface->format, SDL_SWSURFACE)) &&
                       FileStream::WriteReplacing(path.c_str(), [&picture](Stream& file) {
                           return picture.WriteTga(file);
                       });
    return ReportWritten(saved, path);
}

bool Canvas::SaveBmp(const Stringc& path) const {
    return SaveBitmap(m_surface.get(), path);
}

bool Canvas::SaveJpeg(const Stringc& path) const {
    return ReportWritten(m_surface && MakeDirectories(path) &&
                             WriteJpeg(path.c_str(), m_surface.get(), kJpegQuality),
                         path);
}
