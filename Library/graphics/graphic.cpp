#include "Library/graphics/graphic.h"

#include "Library/core/tracked_new.h"
#include "Library/graphics/blit_state.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/encoded_rows.h"
#include "Library/graphics/pixel_format.h"
#include "Library/graphics/run_outline.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

bool IsMirroring(SpanFunc span) {
    return span == CopySpanReversed16 || span == CopySpanKeyedReversed16;
}

// Plain rows: the visible part is found once and each visible row is one span.
void DrawRows(const PixelSurface& surface, long x, long y, long w, long h, const uint16_t* src,
              long stride, SpanFunc span) {
    const PixelSurface::Area area = surface.Visible(g_graphicClipRect);
    const long left = std::max(x, area.x1), right = std::min(x + w, area.x2);
    const long top = std::max(y, area.y1), bottom = std::min(y + h, area.y2);
    if (left >= right || top >= bottom || !surface.pixels)
        return;
    const long column = IsMirroring(span) ? x + w - right : left - x;
    const uint16_t* s = src + (top - y) * stride + column;
    uint16_t* d = surface.pixels + top * surface.width + left;
    const int count = static_cast<int>(right - left);
    for (long row = top; row < bottom; ++row, s += stride, d += surface.width)
        span(d, s, count);
}

// Run-length rows; a mirrored image places each run at its mirrored column.
template <bool Mirrored, class Span>
void DrawRuns(const PixelSurface& surface, long x, long y, int w, int h, const uint16_t* data,
              Span span) {
    const PixelSurface::Area area = surface.Visible(g_graphicClipRect);
    const long pitch = surface.width;
    if (x >= area.x1 && y >= area.y1 && x + w <= area.x2 && y + h <= area.y2) {
        uint16_t* origin = surface.pixels + y * pitch + x;
        ForEachRun(data, w, h, [&](int row, int rx, const uint16_t* pixels, int count) {
            span(origin + row * pitch + (Mirrored ? w - rx - count : rx), pixels, count);
        });
        return;
    }
    const int rowEnd = static_cast<int>(std::clamp<long>(area.y2 - y, 0, h));
    ForEachRun(data, w, rowEnd, [&](int row, int rx, const uint16_t* pixels, int count) {
        const long dy = y + row;
        if (dy < area.y1)
            return;
        const long from = x + (Mirrored ? w - rx - count : rx), to = from + count;
        const long left = std::max(from, area.x1), right = std::min(to, area.x2);
        if (left < right)
            span(surface.pixels + dy * pitch + left, pixels + (Mirrored ? to - right : left - from),
                 static_cast<int>(right - left));
    });
}

} // namespace

Graphic::Graphic() {
    Clear();
}

Graphic::~Graphic() = default;

void Graphic::Clear() {
    FileObject::Clear();
    m_pos = ScreenPos();
    m_data.reset();
    m_dataLength = 0;
    m_flags = (m_flags & ~(kEncodedMask | kKeyed)) | kEncoded;
    SetLayoutFlag();
}

void Graphic::SetLayoutFlag() {
    m_flags = g_pixelFormat == kPixelFormat565 ? m_flags | kLayout565 : m_flags & ~kLayout565;
}

bool Graphic::Create(int width, int height) {
    Clear();
    m_flags &= ~kEncodedMask;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        return false;
    m_dataLength = static_cast<long>(width) * height;
    m_data.reset(NEW uint16_t[m_dataLength]);
    m_pos.w = width;
    m_pos.h = height;
    return true;
}

void Graphic::ClearToKey() {
    Fill(g_colourKey);
    m_flags |= kKeyed;
}

void Graphic::Fill(uint16_t value) {
    if (IsPlain())
        std::fill_n(m_data.get(), m_dataLength, value);
    m_flags &= ~kKeyed;
}

void Graphic::SetPixel(int x, int y, uint16_t value) {
    if (IsPlain() && x >= 0 && x < m_pos.w && y >= 0 && y < m_pos.h)
        m_data[static_cast<long>(y) * m_pos.w + x] = value;
}

bool Graphic::Encode() {
    if (IsEncoded())
        return true;
    if (!m_data)
        return false;
    TakeRows(m_data.get(), m_pos.w, m_pos.h);
    m_flags = (m_flags | kEncoded) & ~kKeyed;
    return true;
}

// The pixels may be the data the rows replace.
void Graphic::TakeRows(const uint16_t* pixels, int width, int height) {
    m_data = EncodeRows(pixels, width, width, height, g_encodingKey, m_dataLength);
}

Rect Graphic::WholeArea() const {
    return Rect{0, 0, static_cast<int16_t>(std::min(m_pos.w, 32767)),
                static_cast<int16_t>(std::min(m_pos.h, 32767))};
}

PixelSurface Graphic::GetSurface() {
    PixelSurface surface;
    if (IsPlain()) {
        surface.pixels = m_data.get();
        surface.width = surface.pitch = m_pos.w;
        surface.height = m_pos.h;
    }
    return surface;
}

bool Graphic::IsOpaqueAt(int x, int y) const {
    if (!m_data || x < 0 || y < 0 || x >= m_pos.w || y >= m_pos.h)
        return false;
    if (!IsEncoded())
        return m_data[static_cast<long>(y) * m_pos.w + x] != g_colourKey;
    bool opaque = false;
    ForEachRun(m_data.get(), m_pos.w, y + 1, [&](int row, int start, const uint16_t*, int count) {
        opaque |= row == y && x >= start && x < start + count;
    });
    return opaque;
}

bool Graphic::GetOpaqueBounds(int& x1, int& y1, int& x2, int& y2) const {
    if (!m_data || m_pos.w <= 0 || m_pos.h <= 0)
        return false;
    int minX = m_pos.w, minY = m_pos.h, maxX = -1, maxY = -1;
    auto include = [&](int row, int from, int to) { // columns [from, to)
        minX = std::min(minX, from);
        maxX = std::max(maxX, to - 1);
        minY = std::min(minY, row);
        maxY = std::max(maxY, row);
    };
    if (IsEncoded()) {
        ForEachRun(m_data.get(), m_pos.w, m_pos.h,
                   [&](int row, int start, const uint16_t*, int count) {
                       if (count > 0)
                           include(row, start, start + count);
                   });
    } else {
        for (int row = 0; row < m_pos.h; ++row) {
            const uint16_t* line = m_data.get() + static_cast<long>(row) * m_pos.w;
            for (int column = 0; column < m_pos.w; ++column)
                if (line[column] != g_colourKey)
                    include(row, column, column + 1);
        }
    }
    x1 = minX;
    y1 = minY;
    x2 = maxX + 1;
    y2 = maxY + 1;
    return true;
}

bool Graphic::CropToOpaque(int& x, int& y) {
    if (!m_data || m_pos.w <= 0 || m_pos.h <= 0)
        return false;
    Graphic copy;
    copy.Create(m_pos.w, m_pos.h);
    copy.ClearToKey();
    {
        const BlitStateScope saved;
        g_graphicClipRect = copy.WholeArea();
        SetBlitMode(0);
        Draw(copy.GetSurface(), 0, 0);
    }

    int x1, y1, x2, y2;
    copy.GetOpaqueBounds(x1, y1, x2, y2);
    if (x1 >= x2 || y1 >= y2) {
        x1 = y1 = 0;
        x2 = m_pos.w;
        y2 = m_pos.h;
    }
    const int width = x2 - x1, height = y2 - y1;
    std::unique_ptr<uint16_t[]> kept(NEW uint16_t[static_cast<long>(width) * height]);
    for (int row = 0; row < height; ++row)
        std::copy_n(copy.m_data.get() + static_cast<long>(y1 + row) * m_pos.w + x1, width,
                    kept.get() + static_cast<long>(row) * width);
    const bool wasEncoded = IsEncoded();
    m_data = std::move(kept);
    m_dataLength = static_cast<long>(width) * height;
    m_pos.w = width;
    m_pos.h = height;
    m_flags = (m_flags & ~kEncodedMask) | kKeyed;
    if (wasEncoded)
        Encode();
    x = x1;
    y = y1;
    return true;
}

void Graphic::CopyFromSurface(const PixelSurface& surface, int x, int y) {
    if (!IsPlain() || !surface.pixels)
        return;
    const PixelSurface::Area area = surface.Visible(g_graphicClipRect);
    const long left = std::max<long>(x, area.x1), right = std::min<long>(x + m_pos.w, area.x2);
    const long top = std::max<long>(y, area.y1), bottom = std::min<long>(y + m_pos.h, area.y2);
    for (long row = top; row < bottom && left < right; ++row)
        CopySpan16(m_data.get() + (row - y) * m_pos.w + (left - x),
                   surface.pixels + row * surface.width + left, static_cast<int>(right - left));
}

bool Graphic::IsOnScreen(int x, int y) const {
    const Rect& clip = g_graphicClipRect;
    return static_cast<long>(x) + m_pos.w >= clip.x1 && static_cast<long>(y) + m_pos.h >= clip.y1 &&
           x < clip.x2 && y < clip.y2;
}

void Graphic::SetBlitMode(int mode) {
    const bool is565 = g_pixelFormat == kPixelFormat565;
    g_blitMode = mode;
    switch (mode) {
    case 0:
        g_spanFunc = CopySpan16;
        break;
    case 1:
        g_spanFunc = CopySpanReversed16;
        break;
    case 8:
        g_spanFunc = is565 ? BlendSpanQuarter565 : BlendSpanQuarter555;
        break;
    case 9:
        g_spanFunc = is565 ? BlendSpanHalf565 : BlendSpanHalf555;
        break;
    case 10:
        g_spanFunc = is565 ? BlendSpanThreeQuarter565 : BlendSpanThreeQuarter555;
        break;
    case 12:
        g_spanFunc = is565 ? CopySpanBright565 : CopySpanBright555;
        break;
    default: // the colour modes keep the span until their own setter chooses one
        break;
    }
}

void Graphic::SetBlitModeColour(int mode, const ColourOffset& offsets) {
    g_blitMode = mode;
    if (mode == 2) {
        SetColouriseOffsets(offsets);
        g_spanFunc =
            g_pixelFormat == kPixelFormat565 ? ColouriseSpanKeyed565 : ColouriseSpanKeyed555;
    }
}

void Graphic::SetBlitModeLevel(int mode, int level) {
    g_blitMode = mode;
    if (mode == 3) {
        SetAlphaLevel(level);
        g_spanFunc = g_pixelFormat == kPixelFormat565 ? AlphaSpan565 : AlphaSpan555;
    }
}

void Graphic::SetBlitModeRgb(int mode, const Colour& colour) {
    g_blitMode = mode;
    if (mode == 5) {
        SetExcludedColour(colour.Pack16());
        g_spanFunc = CopySpanExcept;
    } else if (mode == 6) {
        SetOnlyColour(colour.Pack16());
        g_spanFunc = CopySpanOnly;
    } else if (mode == 7) {
        SetTintColour(colour);
        g_spanFunc = TintSpan;
    }
}

void Graphic::SetBlitModeRecolour(int mode, const Colour colours[7]) {
    g_blitMode = mode;
    if (mode == 4) {
        SetRecolourColours(colours);
        g_spanFunc = RecolourSpan;
    }
}

void Graphic::Draw(const PixelSurface& surface, int x, int y) const {
    if (!m_data || !surface.pixels)
        return;
    if (IsEncoded()) {
        if (g_blitMode == 11)
            DrawRunOutline(surface, m_data.get(), m_pos.w, m_pos.h, x, y);
        else if (IsMirroring(g_spanFunc))
            DrawRuns<true>(surface, x, y, m_pos.w, m_pos.h, m_data.get(), g_spanFunc);
        else if (g_spanFunc == CopySpan16) // the common case, inlined: runs are short
            DrawRuns<false>(surface, x, y, m_pos.w, m_pos.h, m_data.get(),
                            [](uint16_t* d, const uint16_t* s, int n) { std::copy_n(s, n, d); });
        else
            DrawRuns<false>(surface, x, y, m_pos.w, m_pos.h, m_data.get(), g_spanFunc);
        return;
    }
    SpanFunc span = g_spanFunc;
    if (IsKeyed()) {
        if (g_blitMode >= 8 && g_blitMode <= 11)
            return;
        if (g_blitMode == 0)
            span = CopySpanKeyed16;
        else if (g_blitMode == 1)
            span = CopySpanKeyedReversed16;
    }
    DrawRows(surface, x, y, m_pos.w, m_pos.h, m_data.get(), m_pos.w, span);
}

void Graphic::DrawRegion(const PixelSurface& surface, int sx, int sy, int w, int h, int x,
                         int y) const {
    if (!IsPlain() || !surface.pixels)
        return;
    sx = std::clamp(sx, 0, m_pos.w);
    sy = std::clamp(sy, 0, m_pos.h);
    w = std::clamp(w, 0, m_pos.w - sx);
    h = std::clamp(h, 0, m_pos.h - sy);
    const uint16_t* src = m_data.get() + static_cast<long>(sy) * m_pos.w + sx;
    if (!IsKeyed()) {
        DrawRows(surface, x, y, w, h, src, m_pos.w, g_spanFunc);
        return;
    }
    switch (g_blitMode) {
    case 0:
        DrawRows(surface, x, y, w, h, src, m_pos.w, CopySpanKeyed16);
        break;
    case 1:
        DrawRows(surface, x, y, w, h, src, m_pos.w, CopySpanKeyedReversed16);
        break;
    case 3:
    case 5:
    case 6:
        DrawRows(surface, x, y, w, h, src, m_pos.w, g_spanFunc);
        break;
    case 12: { // black, not magenta, is transparent here
        const uint16_t savedKey = g_colourKey;
        g_colourKey = 0;
        DrawRows(surface, x, y, w, h, src, m_pos.w, g_spanFunc);
        g_colourKey = savedKey;
        break;
    }
    default:
        break;
    }
}
