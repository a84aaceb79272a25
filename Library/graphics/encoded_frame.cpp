#include "Library/graphics/encoded_frame.h"

#include "Library/core/stream.h"
#include "Library/core/tracked_new.h"
#include "Library/graphics/encoded_rows.h"
#include "Library/graphics/lle_codec.h"
#include "Library/graphics/screen.h"

#include <algorithm>

EncodedFrame::~EncodedFrame() = default;

void EncodedFrame::Empty() {
    m_data.reset();
    m_dataLength = 0;
    m_width = m_height = m_offsetX = m_offsetY = 0;
    m_flag = 0;
}

bool EncodedFrame::Read(Stream& stream) {
    Empty();
    uint16_t width = 0, height = 0, offsetX = 0, offsetY = 0;
    uint8_t flag = 0;
    uint32_t length = 0;
    if (!stream.ReadValue(width) || !stream.ReadValue(height) || !stream.ReadValue(offsetX) ||
        !stream.ReadValue(offsetY) || !stream.ReadValue(flag) || !stream.ReadValue(length) ||
        length > static_cast<unsigned long>(stream.Remaining()))
        return false;
    std::unique_ptr<uint8_t[]> data(NEW uint8_t[std::max<uint32_t>(length, 1)]);
    if (stream.Read(data.get(), static_cast<int>(length)) != kStreamOk ||
        !ValidateRows(data.get(), static_cast<long>(length), width, height))
        return false;
    m_data = std::move(data);
    m_dataLength = length;
    m_width = width;
    m_height = height;
    m_offsetX = offsetX;
    m_offsetY = offsetY;
    m_flag = flag;
    return true;
}

bool EncodedFrame::Write(Stream& stream) const {
    return stream.WriteValue(m_width) && stream.WriteValue(m_height) &&
           stream.WriteValue(m_offsetX) && stream.WriteValue(m_offsetY) &&
           stream.WriteValue(m_flag) && stream.WriteValue(m_dataLength) &&
           (m_dataLength == 0 ||
            stream.Write(m_data.get(), static_cast<int>(m_dataLength)) == kStreamOk);
}

bool EncodedFrame::BuildFrom(SDL_Surface* surface, int offsetX, int offsetY, uint8_t flag) {
    Empty();
    if (!surface || surface->format->BytesPerPixel != 1 || offsetX < 0 || offsetY < 0 ||
        offsetX > 65535 || offsetY > 65535 || SDL_LockSurface(surface) != 0)
        return false;
    LleSetTransparentIndex(static_cast<uint8_t>(surface->format->colorkey));
    uint32_t length = 0;
    std::unique_ptr<uint8_t[]> data = LleEncode(static_cast<const uint8_t*>(surface->pixels),
                                                surface->pitch, surface->w, surface->h, length);
    SDL_UnlockSurface(surface);
    if (!data)
        return false;
    m_data = std::move(data);
    m_dataLength = length;
    m_width = static_cast<uint16_t>(surface->w);
    m_height = static_cast<uint16_t>(surface->h);
    m_offsetX = static_cast<uint16_t>(offsetX);
    m_offsetY = static_cast<uint16_t>(offsetY);
    m_flag = flag;
    return true;
}

bool EncodedFrame::Decode(SDL_Surface* surface) const {
    if (!surface || surface->format->BytesPerPixel != 1 || surface->w < m_width ||
        surface->h < m_height)
        return false;
    LleSetClipRect(0, 0, m_width, m_height);
    LleDraw(surface, m_data.get(), 0, 0, m_width, m_height);
    return true;
}

bool EncodedFrame::IsOnScreen(int x, int y) const {
    const long left = static_cast<long>(x) + m_offsetX, top = static_cast<long>(y) + m_offsetY;
    return left + m_width >= g_clipRect.x1 && top + m_height >= g_clipRect.y1 &&
           left < g_clipRect.x2 && top < g_clipRect.y2;
}

void EncodedFrame::DrawOutline(const PixelSurface& surface, int x, int y) const {
    LleDrawOutline(surface, m_data.get(), x + m_offsetX, y + m_offsetY, m_width, m_height);
}
