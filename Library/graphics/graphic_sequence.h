#pragma once
// A numbered set of 16-bit graphics, each with a record of four values (offset x, offset y
// and two more).

#include "Library/graphics/pixel_surface.h"

#include <cstdint>
#include <memory>

class Graphic;
class Stream;
class Stringc;

class GraphicSequence {
public:
    GraphicSequence();
    virtual ~GraphicSequence();
    GraphicSequence(const GraphicSequence&) = delete;
    GraphicSequence& operator=(const GraphicSequence&) = delete;

    bool Allocate(int count); // count empty graphics and zeroed records
    // count graphics from a name chain, encoded and cropped to their opaque part; the crop's
    // corner becomes the record's offset.
    bool LoadFiles(const Stringc* names, int count);

    // Stream form: u32 count N, N ".lle" images, N records of four u32.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

    void DrawFrame(const PixelSurface& surface, int index, int x, int y); // current blit mode
    int GetCount() const { return static_cast<int>(m_count); }
    Graphic* GetGraphic(int index) const; // null out of range
    long DataTotal() const;               // the graphics' data lengths summed
    // Out-of-range indices are ignored or give 0.
    void GetRecord(int index, uint32_t& offsetX, uint32_t& offsetY, uint32_t& third) const;
    void SetValue(int index, uint32_t value);
    uint32_t GetValue(int index) const;

private:
    struct Record {
        uint32_t offsetX = 0;
        uint32_t offsetY = 0;
        uint32_t third = 0;
        uint32_t value = 0;
    };
    Record* RecordAt(int index) const;

    std::unique_ptr<std::unique_ptr<Graphic>[]> m_graphics;
    std::unique_ptr<Record[]> m_records;
    uint32_t m_count = 0;
};
