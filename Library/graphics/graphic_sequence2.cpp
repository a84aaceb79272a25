#include "Library/graphics/graphic_sequence2.h"

#include "Library/core/stream.h"
#include "Library/core/stringc.h"
#include "Library/core/tracked_new.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/encoded_frame.h"
#include "Library/graphics/surface_ptr.h"
#include "platform/case_path.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr long kMinStoredFrame = 13; // the fields before the rows

bool IsKeyColourCode(int code) {
    return code == 3 || code == 5 || code == 6 || code == 7 || code == 8 || code == 11;
}

// The smallest part of an 8-bit surface holding every pixel that is not its colour key,
// with the palette and the key; the whole surface when every pixel is the key.
SurfacePtr CropSurfaceToKey(SDL_Surface* surface, int& x, int& y) {
    if (SDL_LockSurface(surface) != 0)
        return nullptr;
    const uint8_t key = static_cast<uint8_t>(surface->format->colorkey);
    const uint8_t* pixels = static_cast<const uint8_t*>(surface->pixels);
    int x1 = surface->w, y1 = surface->h, x2 = -1, y2 = -1;
    for (int row = 0; row < surface->h; ++row)
        for (int column = 0; column < surface->w; ++column)
            if (pixels[row * surface->pitch + column] != key) {
                x1 = std::min(x1, column);
                x2 = std::max(x2, column);
                y1 = std::min(y1, row);
                y2 = std::max(y2, row);
            }
    if (x2 < 0) {
        x1 = y1 = 0;
        x2 = surface->w - 1;
        y2 = surface->h - 1;
    }
    SurfacePtr cropped = MakeSurface8(x2 - x1 + 1, y2 - y1 + 1);
    if (cropped) {
        for (int row = y1; row <= y2; ++row)
            std::memcpy(static_cast<uint8_t*>(cropped->pixels) + (row - y1) * cropped->pitch,
                        pixels + row * surface->pitch + x1, static_cast<size_t>(x2 - x1 + 1));
        const SDL_Palette* palette = surface->format->palette;
        SDL_SetPalette(cropped.get(), SDL_LOGPAL, palette->colors, 0, palette->ncolors);
        SDL_SetColorKey(cropped.get(), SDL_SRCCOLORKEY, key);
    }
    SDL_UnlockSurface(surface);
    x = x1;
    y = y1;
    return cropped;
}

} // namespace

GraphicSequence2::GraphicSequence2() = default;

GraphicSequence2::~GraphicSequence2() = default;

void GraphicSequence2::Allocate(int count) {
    m_frames.reset(count > 0 ? NEW EncodedFrame[count] : nullptr);
    m_count = static_cast<uint16_t>(count);
}

bool GraphicSequence2::Build(const Stringc* names, int count, int keyCode, uint32_t& key,
                             SDL_Color palette[256]) {
    Allocate(0);
    if (count < 0 || count > UINT16_MAX)
        return false;
    Allocate(count);
    uint32_t fileKey = key; // a code that names no colour keeps the previous file's
    const Stringc* name = names;
    for (int index = 0; index < count; ++index, name = name->GetNext()) {
        if (!name) {
            std::fprintf(stderr, "A sequence of %d frames was given %d bitmaps\n", count, index);
            Allocate(0);
            return false;
        }
        SurfacePtr bitmap(
            SDL_LoadBMP_RW(SDL_RWFromFile(platform::ResolvePath(name->c_str()).c_str(), "rb"), 1));
        if (!bitmap || bitmap->format->BytesPerPixel != 1) {
            std::fprintf(stderr, "%s: %s\n", name->c_str(),
                         bitmap ? "not an 8-bit bitmap" : "cannot be loaded");
            Allocate(0);
            return false;
        }
        if (IsKeyColourCode(keyCode)) {
            Colour colour;
            colour.ByIndex(keyCode);
            fileKey = SDL_MapRGB(bitmap->format, colour.red, colour.green, colour.blue);
        }
        SDL_SetColorKey(bitmap.get(), SDL_SRCCOLORKEY, fileKey);
        int x = 0, y = 0;
        const SurfacePtr cropped = CropSurfaceToKey(bitmap.get(), x, y);
        if (!cropped || !m_frames[index].BuildFrom(cropped.get(), x, y, 0)) {
            std::fprintf(stderr, "%s: too ragged to encode\n", name->c_str());
            Allocate(0);
            return false;
        }
        if (index == 0) {
            key = fileKey;
            const SDL_Palette* source = bitmap->format->palette;
            std::memset(palette, 0, 256 * sizeof *palette);
            std::memcpy(palette, source->colors,
                        static_cast<size_t>(std::min(source->ncolors, 256)) * sizeof *palette);
        }
    }
    return true;
}

bool GraphicSequence2::Read(Stream& stream) {
    Allocate(0);
    uint16_t count = 0;
    if (!stream.ReadValue(count) || count * kMinStoredFrame > stream.Remaining())
        return false;
    Allocate(count);
    for (int index = 0; index < count; ++index)
        if (!m_frames[index].Read(stream))
            return false;
    return true;
}

bool GraphicSequence2::Write(Stream& stream) const {
    if (!stream.WriteValue(m_count))
        return false;
    for (int index = 0; index < m_count; ++index)
        if (!m_frames[index].Write(stream))
            return false;
    return true;
}

EncodedFrame* GraphicSequence2::GetFrame(int index) const {
    return index >= 0 && index < m_count ? &m_frames[index] : nullptr;
}

void GraphicSequence2::SetFrameFlag(int index, uint8_t value) {
    if (EncodedFrame* frame = GetFrame(index))
        frame->SetFlag(value);
}

uint8_t GraphicSequence2::GetFrameFlag(int index) const {
    const EncodedFrame* frame = GetFrame(index);
    return frame ? frame->GetFlag() : 0;
}

long GraphicSequence2::PixelTotal() const {
    long total = 0;
    for (int index = 0; index < m_count; ++index)
        total += static_cast<long>(m_frames[index].GetWidth()) * m_frames[index].GetHeight();
    return total;
}

void GraphicSequence2::DrawFrameOutline(const PixelSurface& surface, int index, int x,
                                        int y) const {
    if (const EncodedFrame* frame = GetFrame(index))
        frame->DrawOutline(surface, x, y);
}
