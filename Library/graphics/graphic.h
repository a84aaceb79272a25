#pragma once
// The game's 16-bit image, loaded from ".bmp", ".tga" or ".lle", held as plain
// pixels, colour-keyed pixels or run-length rows, and drawn through the blit mode.
//
// Run-length rows, one after the other from the top, each a u16 k then:
//   k = 0: the row is wholly transparent;  k = 1: width pixels, none transparent;
//   k >= 2: k - 1 runs of u16 skip (transparent pixels since the last run), u16 count,
//   count pixels. Transparent pixels after the last run are not stored.

#include "Library/files/file_object.h"
#include "Library/graphics/pixel_surface.h"
#include "Library/graphics/rect.h"
#include "Library/graphics/screen_pos.h"
#include "Library/graphics/span.h"

#include <SDL/SDL.h>

#include <cstdint>
#include <memory>

struct Colour;
struct ColourOffset;
class DataPaths;
class ResFileMgr;
class Stream;

class Graphic : public FileObject {
public:
    static constexpr uint32_t kLoaded = 0x02;
    static constexpr uint32_t kEncoded = 0x08;
    static constexpr uint32_t kEncodedMask = 0x38;
    static constexpr uint32_t kKeyed = 0x200000;
    static constexpr uint32_t kLayout565 = 0x400000;
    static constexpr uint16_t kNoSlot = 65535;
    static constexpr int kMaxSide = 65535; // widths and heights the row form can hold

    Graphic();
    ~Graphic() override;
    Graphic(const Graphic&) = delete;
    Graphic& operator=(const Graphic&) = delete;

    void Clear() override; // no data, unplaced; the encoded flag set, the keyed flag cleared
    bool Create(int width, int height);          // plain, uninitialised pixels
    void ClearToKey();                           // all g_colourKey, and keyed
    void Fill(uint16_t value);                   // not keyed
    void SetPixel(int x, int y, uint16_t value); // plain data only
    bool Encode(); // plain data into run-length rows; true when already encoded

    bool IsOpaqueAt(int x, int y) const;
    // Smallest rectangle of non-key pixels, x2 and y2 exclusive; false for an empty image.
    bool GetOpaqueBounds(int& x1, int& y1, int& x2, int& y2) const;
    bool CropToOpaque(int& x, int& y); // x, y: where the kept part was
    void CopyFromSurface(const PixelSurface& surface, int x, int y); // within g_graphicClipRect
    bool IsOnScreen(int x, int y) const;
    PixelSurface GetSurface(); // over plain data; no pixels when encoded
    Rect WholeArea() const;    // (0, 0, width, height), a clip rectangle for drawing into it

    void Draw(const PixelSurface& surface, int x, int y) const;
    void DrawRegion(const PixelSurface& surface, int sx, int sy, int w, int h, int x, int y) const;

    static void SetBlitMode(int mode);
    static void SetBlitModeColour(int mode, const ColourOffset& offsets); // mode 2
    static void SetBlitModeLevel(int mode, int level);                    // mode 3, 0-255
    static void SetBlitModeRgb(int mode, const Colour& colour);           // modes 5, 6, 7
    static void SetBlitModeRecolour(int mode, const Colour colours[7]);   // mode 4

    bool LoadFile(const char* path, bool encode);
    // From the general archive while the game runs from archives, else the loose file;
    // the file name becomes the archive entry name either way.
    bool Load(const char* name, bool encode);
    // The same with the given data paths and archive in place of the game's (null paths:
    // the loose file).
    bool Load(const DataPaths* paths, ResFileMgr* archive, const char* name, bool encode);
    bool ReadFromStream(Stream& stream, const char* name, bool encode);
    static bool ReadImageSize(const char* path, int& width, int& height);
    bool LoadTgaRegion(const char* path, const Rect& rect);
    bool LoadTgaRegionNamed(const char* path, const Rect& rect); // named as Load names
    bool LoadTgaRegionFromStream(Stream& stream, const Rect& rect);
    bool WriteLle(Stream& stream) const;
    bool WriteTga(Stream& stream) const;    // plain data only, stored 5-5-5
    bool FromSurface(SDL_Surface* surface); // takes the surface and frees it

    // The shared decoding buffer of the ".bmp" and ".tga" readers.
    static bool InitScratch();
    static void FreeScratch();
    static bool ScratchFits(int width, int height);

    int GetX() const { return m_pos.x; }
    int GetY() const { return m_pos.y; }
    void SetPosition(int x, int y) {
        m_pos.x = x;
        m_pos.y = y;
    }
    int GetWidth() const { return m_pos.w; }
    int GetHeight() const { return m_pos.h; }
    uint32_t GetFlags() const { return m_flags; }
    bool IsEncoded() const { return (m_flags & kEncodedMask) != 0; }
    bool IsKeyed() const { return (m_flags & kKeyed) != 0; }
    const uint16_t* GetData() const { return m_data.get(); }
    long GetDataLength() const { return m_dataLength; }
    uint16_t GetSlot() const { return m_slot; }
    void SetSlot(uint16_t slot) { m_slot = slot; }

private:
    bool ReadByType(Stream& stream, bool encode);
    bool ReadBmp(Stream& stream);
    bool ReadTga(Stream& stream);
    bool ReadLle(Stream& stream);
    bool TakeScratch(int width, int height); // the finished image, encoded when flagged
    void TakeRows(const uint16_t* pixels, int width, int height); // encoded, as the data
    void SetLayoutFlag(); // kLayout565 as g_pixelFormat says
    void SetLoaded();
    bool IsPlain() const { return m_data && !IsEncoded(); }
    bool Fail(const char* problem); // reports the problem with the file name, clears, false

    ScreenPos m_pos;
    uint32_t m_flags = 0;
    std::unique_ptr<uint16_t[]> m_data;
    long m_dataLength = 0; // u16 words
    uint16_t m_slot = kNoSlot;
};
