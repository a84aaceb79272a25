#include "Library/graphics/lle_codec.h"

#include "Library/graphics/encoded_rows.h"
#include "Library/graphics/run_outline.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kMaxSide = 65535; // frames store their sides as u16

uint8_t s_transparentIndex = 0;
int s_clipX1 = 0, s_clipY1 = 0, s_clipX2 = 0, s_clipY2 = 0;

// Runs are short: word moves beat the start-up of a block copy. The last word may overlap
// the one before it but never leaves the run.
inline void CopyRun(uint8_t* to, const uint8_t* from, int count) {
    if (count >= 8) {
        const int last = count - 8;
        for (int at = 0; at < last; at += 8)
            std::memcpy(to + at, from + at, 8);
        std::memcpy(to + last, from + last, 8);
    } else if (count >= 4) {
        std::memcpy(to, from, 4);
        std::memcpy(to + count - 4, from + count - 4, 4);
    } else if (count > 0) {
        to[0] = from[0];
        to[count / 2] = from[count / 2];
        to[count - 1] = from[count - 1];
    }
}

uint16_t ClipValue(int value) {
    return static_cast<uint16_t>(std::clamp(value, 0, kMaxSide));
}

} // namespace

void LleSetTransparentIndex(uint8_t index) {
    s_transparentIndex = index;
}

void LleSetClipRect(int x1, int y1, int x2, int y2) {
    s_clipX1 = ClipValue(x1);
    s_clipY1 = ClipValue(y1);
    s_clipX2 = ClipValue(x2);
    s_clipY2 = ClipValue(y2);
}

std::unique_ptr<uint8_t[]> LleEncode(const uint8_t* pixels, int pitch, int width, int height,
                                     uint32_t& length) {
    length = 0;
    if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide)
        return nullptr;
    long written = 0;
    std::unique_ptr<uint8_t[]> data =
        EncodeRows(pixels, pitch, width, height, s_transparentIndex, written);
    length = static_cast<uint32_t>(written);
    return data;
}

void LleDraw(SDL_Surface* surface, const uint8_t* data, int x, int y, int width, int height) {
    if (!surface || !data || surface->format->BytesPerPixel != 1)
        return;
    const long right = static_cast<long>(x) + width, bottom = static_cast<long>(y) + height;
    if (x < s_clipX1 || y < s_clipY1 || right > s_clipX2 || bottom > s_clipY2 || x < 0 || y < 0 ||
        right > surface->w || bottom > surface->h)
        return;
    if (SDL_LockSurface(surface) != 0)
        return;
    const long pitch = surface->pitch;
    uint8_t* origin = static_cast<uint8_t*>(surface->pixels) + y * pitch + x;
    ForEachRun(data, width, height, [&](int row, int rx, const uint8_t* run, int count) {
        CopyRun(origin + row * pitch + rx, run, count);
    });
    SDL_UnlockSurface(surface);
}

void LleDrawOutline(const PixelSurface& surface, const uint8_t* data, int x, int y, int width,
                    int height) {
    if (data)
        DrawRunOutline(surface, data, width, height, x, y);
}
