#pragma once
// One sequence (as a rule one facing direction) of an animation: its encoded 8-bit frames.

#include "Library/graphics/pixel_surface.h"

#include <SDL/SDL.h>

#include <cstdint>
#include <memory>

class EncodedFrame;
class Stream;
class Stringc;

class GraphicSequence2 {
public:
    GraphicSequence2();
    virtual ~GraphicSequence2();
    GraphicSequence2(const GraphicSequence2&) = delete;
    GraphicSequence2& operator=(const GraphicSequence2&) = delete;

    // count frames from the ".bmp" files of a name chain, each cropped to the pixels that
    // are not its key. keyCode 3, 5, 6, 7, 8 or 11 keys the palette entry of that numbered
    // colour (Colour::ByIndex); other codes keep key as it was. The first file's key and
    // palette go out. On failure no frames are left.
    bool Build(const Stringc* names, int count, int keyCode, uint32_t& key, SDL_Color palette[256]);

    // Stream form: u16 frame count, then each frame's form (EncodedFrame).
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

    int GetCount() const { return m_count; }
    EncodedFrame* GetFrame(int index) const; // null out of range
    void SetFrameFlag(int index, uint8_t value);
    uint8_t GetFrameFlag(int index) const; // 0 out of range
    long PixelTotal() const;               // sum of the frames' width x height
    void DrawFrameOutline(const PixelSurface& surface, int index, int x, int y) const;

private:
    void Allocate(int count);

    uint16_t m_count = 0;
    std::unique_ptr<EncodedFrame[]> m_frames;
};
