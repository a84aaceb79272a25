#pragma once
// One 8-bit palette frame of an animation, cropped to its opaque part and held in the
// byte-wide run-length form (see lle_codec.h), with where the crop lay in the full frame.

#include "Library/graphics/pixel_surface.h"

#include <SDL/SDL.h>

#include <cstdint>
#include <memory>

class Stream;

class EncodedFrame {
public:
    EncodedFrame() = default;
    virtual ~EncodedFrame();
    EncodedFrame(const EncodedFrame&) = delete;
    EncodedFrame& operator=(const EncodedFrame&) = delete;

    // Stream form, little-endian and packed: u16 width, u16 height, u16 offset x,
    // u16 offset y, u8 flag, u32 data length L, L bytes of rows. Reading checks every row
    // against the data and the width; a failed read leaves the frame empty.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

    // Encodes an 8-bit surface whose colour key is the transparent index; false, and the
    // frame empty, when the rows cannot be held.
    bool BuildFrom(SDL_Surface* surface, int offsetX, int offsetY, uint8_t flag);
    // Into the top-left corner of an 8-bit surface; false when the surface is smaller.
    bool Decode(SDL_Surface* surface) const;
    bool IsOnScreen(int x, int y) const; // placed at (x, y) plus the offsets, meets g_clipRect
    void DrawOutline(const PixelSurface& surface, int x, int y) const; // at (x, y) plus offsets

    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    int GetOffsetX() const { return m_offsetX; }
    int GetOffsetY() const { return m_offsetY; }
    uint8_t GetFlag() const { return m_flag; }
    void SetFlag(uint8_t flag) { m_flag = flag; }
    const uint8_t* GetData() const { return m_data.get(); }
    uint32_t GetDataLength() const { return m_dataLength; }

private:
    void Empty();

    uint32_t m_dataLength = 0;
    std::unique_ptr<uint8_t[]> m_data;
    uint16_t m_width = 0;
    uint16_t m_height = 0;
    uint16_t m_offsetX = 0;
    uint16_t m_offsetY = 0;
    uint8_t m_flag = 0;
};
