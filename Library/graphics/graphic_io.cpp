#include "Library/graphics/graphic.h"

#include "Library/core/stringc.h"
#include "Library/core/tracked_new.h"
#include "Library/files/file_stream.h"
#include "Library/graphics/bmp_header.h"
#include "Library/graphics/encoded_rows.h"
#include "Library/graphics/pixel_format.h"
#include "Library/graphics/rect.h"
#include "Library/graphics/surface_ptr.h"
#include "Library/graphics/tga_header.h"
#include "platform/win_string.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

namespace {

std::unique_ptr<uint16_t[]> s_scratch;
int s_scratchWidth = 0;
int s_scratchHeight = 0;

// Decoders of one stored row into packed pixels, chosen once per image by layout.
template <int Format> void DecodeBgrRow(const uint8_t* in, int width, uint16_t* out) {
    for (int x = 0; x < width; ++x, in += 3)
        out[x] = PackPixel<Format>(in[2], in[1], in[0]);
}
using BgrDecoder = void (*)(const uint8_t*, int, uint16_t*);
BgrDecoder ChooseBgrDecoder() {
    return g_pixelFormat == kPixelFormat555 ? DecodeBgrRow<kPixelFormat555>
                                            : DecodeBgrRow<kPixelFormat565>;
}

void DecodeIndexedRow(const uint8_t* in, int width, int bits, const uint16_t* palette,
                      uint16_t* out) {
    if (bits == 8) {
        for (int x = 0; x < width; ++x)
            out[x] = palette[in[x]];
        return;
    }
    for (int x = 0; x < width; ++x)
        out[x] = palette[x & 1 ? in[x / 2] & 0x0F : in[x / 2] >> 4];
}

// Stored 16-bit rows are 5-5-5; the top bit is an attribute, not colour.
void DecodeTga16Row(uint16_t* row, int width, bool to565) {
    for (int x = 0; x < width; ++x)
        row[x] &= 0x7FFF;
    if (to565)
        ConvertPixels(row, width, kPixelFormat555);
}

} // namespace

bool Graphic::InitScratch() {
    return ScratchFits(800, 600);
}

void Graphic::FreeScratch() {
    s_scratch.reset();
    s_scratchWidth = s_scratchHeight = 0;
}

bool Graphic::ScratchFits(int width, int height) {
    if (s_scratch && s_scratchWidth >= width && s_scratchHeight >= height)
        return true;
    FreeScratch();
    s_scratch.reset(NEW uint16_t[std::max(1L, static_cast<long>(width) * height)]);
    s_scratchWidth = width;
    s_scratchHeight = height;
    return true;
}

bool Graphic::Fail(const char* problem) {
    std::fprintf(stderr, "%s: %s\n", GetFullPath().c_str(), problem);
    Clear();
    return false;
}

void Graphic::SetLoaded() {
    m_flags |= kLoaded;
    SetLayoutFlag();
}

bool Graphic::TakeScratch(int width, int height) {
    m_pos.w = width;
    m_pos.h = height;
    if (m_flags & kEncodedMask) {
        TakeRows(s_scratch.get(), width, height);
    } else {
        m_dataLength = static_cast<long>(width) * height;
        m_data.reset(NEW uint16_t[m_dataLength]);
        std::copy_n(s_scratch.get(), m_dataLength, m_data.get());
    }
    SetLoaded();
    return true;
}

bool Graphic::LoadFile(const char* path, bool encode) {
    Clear();
    SetFileName(path);
    FileStream stream(path, kStreamReadBinary);
    if (!stream.IsOpen())
        return Fail("cannot be opened");
    return ReadByType(stream, encode);
}

bool Graphic::ReadFromStream(Stream& stream, const char* name, bool encode) {
    Clear();
    SetFileName(name);
    return ReadByType(stream, encode);
}

bool Graphic::ReadByType(Stream& stream, bool encode) {
    if (!s_scratch)
        return Fail("no scratch buffer to decode into");
    m_flags = encode ? m_flags | kEncoded : m_flags & ~kEncodedMask;
    switch (GetFileType()) {
    case kTypeBmp:
        return ReadBmp(stream);
    case kTypeTga:
        return ReadTga(stream);
    case kTypeLle:
        return ReadLle(stream);
    default:
        return Fail("is not a .bmp, .tga or .lle image");
    }
}

bool Graphic::ReadBmp(Stream& stream) {
    BmpHeader header;
    const char* problem = nullptr;
    if (!header.Read(stream, &problem))
        return Fail(problem);
    const long size = stream.Size();
    const long rowsSize = header.Stride() * header.height;
    const long paletteEnd = header.PaletteOffset() + 4L * header.paletteCount;
    if (header.infoSize > size || paletteEnd > size)
        return Fail("the palette runs past the end of the file");
    // The rows follow the palette. Writers that leave a gap say so in the data offset, which
    // is believed only where it leaves room for the palette and the rows.
    const bool offsetFits = header.dataOffset >= paletteEnd && header.dataOffset <= size &&
                            rowsSize <= size - header.dataOffset;
    const long rowsOffset = offsetFits ? header.dataOffset : paletteEnd;
    if (rowsSize > size - rowsOffset)
        return Fail("the rows run past the end of the file");

    uint16_t palette[256] = {}; // indices past the stored entries are black
    if (header.paletteCount > 0) {
        uint8_t entries[256 * 4];
        if (stream.SeekSet(header.PaletteOffset()) < 0 ||
            stream.Read(entries, 4 * header.paletteCount) != kStreamOk)
            return Fail("the palette cannot be read");
        for (int i = 0; i < header.paletteCount; ++i) {
            const uint8_t* e = entries + 4 * i;
            palette[i] = g_pixelFormat == kPixelFormat555
                             ? PackPixel<kPixelFormat555>(e[2], e[1], e[0])
                             : PackPixel<kPixelFormat565>(e[2], e[1], e[0]);
        }
    }
    if (!ScratchFits(header.width, header.height))
        return Fail("no memory to decode into");
    const long stride = header.Stride();
    std::unique_ptr<uint8_t[]> row(NEW uint8_t[stride]);
    const BgrDecoder decodeBgr = ChooseBgrDecoder();
    if (stream.SeekSet(rowsOffset) < 0)
        return Fail("the rows cannot be reached");
    for (int stored = 0; stored < header.height; ++stored) {
        if (stream.Read(row.get(), static_cast<int>(stride)) != kStreamOk)
            return Fail("the rows are cut short");
        uint16_t* out =
            s_scratch.get() + static_cast<long>(header.height - 1 - stored) * header.width;
        if (header.bits == 24)
            decodeBgr(row.get(), header.width, out);
        else
            DecodeIndexedRow(row.get(), header.width, header.bits, palette, out);
    }
    return TakeScratch(header.width, header.height);
}

bool Graphic::ReadTga(Stream& stream) {
    TgaHeader header;
    const char* problem = nullptr;
    if (!header.Read(stream, &problem))
        return Fail(problem);
    if (stream.SeekSet(header.dataOffset) < 0 || stream.Remaining() < header.DataSize())
        return Fail("the pixels run past the end of the file");
    if (!ScratchFits(header.width, header.height))
        return Fail("no memory to decode into");
    const int rowBytes = header.width * header.bits / 8;
    std::unique_ptr<uint8_t[]> row(NEW uint8_t[rowBytes]);
    const BgrDecoder decodeBgr = ChooseBgrDecoder();
    for (int stored = 0; stored < header.height; ++stored) {
        uint16_t* out =
            s_scratch.get() + static_cast<long>(header.height - 1 - stored) * header.width;
        if (stream.Read(row.get(), rowBytes) != kStreamOk)
            return Fail("the pixels are cut short");
        if (header.bits == 24) {
            decodeBgr(row.get(), header.width, out);
        } else {
            std::memcpy(out, row.get(), static_cast<size_t>(rowBytes));
            DecodeTga16Row(out, header.width, m_flags & kLayout565);
        }
    }
    return TakeScratch(header.width, header.height);
}

bool Graphic::LoadTgaRegion(const char* path, const Rect& rect) {
    Clear();
    SetFileName(path);
    FileStream stream(path, kStreamReadBinary);
    if (!stream.IsOpen())
        return Fail("cannot be opened");
    return LoadTgaRegionFromStream(stream, rect);
}

bool Graphic::LoadTgaRegionFromStream(Stream& stream, const Rect& rect) {
    m_data.reset();
    m_dataLength = 0;
    m_pos = ScreenPos();
    m_flags &= ~(kEncodedMask | kKeyed);
    TgaHeader header;
    const char* problem = nullptr;
    if (stream.SeekSet(0) != 0 || !header.Read(stream, &problem))
        return Fail(problem ? problem : "cannot be read");
    if (header.bits != 16)
        return Fail("tile regions are read from 16-bit images only");
    const int x1 = std::min(rect.x1, rect.x2), x2 = std::max(rect.x1, rect.x2);
    const int y1 = std::min(rect.y1, rect.y2), y2 = std::max(rect.y1, rect.y2);
    if (x1 < 0 || y1 < 0 || x2 > header.width || y2 > header.height || x1 == x2 || y1 == y2)
        return Fail("the region lies outside the image");
    if (stream.Size() - header.dataOffset < header.DataSize())
        return Fail("the pixels run past the end of the file");
    const int width = x2 - x1, height = y2 - y1;
    if (!ScratchFits(width, height))
        return Fail("no memory to decode into");
    for (int row = 0; row < height; ++row) { // the image's rows are stored bottom first
        const long stored = header.height - 1 - (y1 + row);
        uint16_t* out = s_scratch.get() + static_cast<long>(row) * width;
        if (stream.SeekSet(header.dataOffset + (stored * header.width + x1) * 2) < 0 ||
            stream.Read(out, width * 2) != kStreamOk)
            return Fail("the pixels are cut short");
        DecodeTga16Row(out, width, m_flags & kLayout565);
    }
    return TakeScratch(width, height);
}

// ".lle": the name (u16 N = length + 1, N bytes ending in NUL; u16 0 when empty),
// u32 flags, u32 width, u32 height, u32 data length L in words, L x u16 data:
// run-length rows when the flags say encoded, else width x height pixels.
bool Graphic::ReadLle(Stream& stream) {
    Clear();
    Stringc name;
    uint32_t flags = 0, width = 0, height = 0, length = 0;
    if (!stream.IsOpen() || !name.Read(stream) || !stream.ReadValue(flags) ||
        !stream.ReadValue(width) || !stream.ReadValue(height) || !stream.ReadValue(length))
        return Fail("the header is cut short");
    SetFileName(name.c_str());
    if (width > kMaxSide || height > kMaxSide)
        return Fail("the size is out of range");
    const bool encoded = (flags & kEncodedMask) != 0;
    if (length > INT_MAX / 2 || stream.Remaining() < 2L * length)
        return Fail("the data runs past the end of the file");
    if (!encoded && length != width * height)
        return Fail("the pixel count does not match the size");
    m_data.reset(NEW uint16_t[std::max<uint32_t>(length, 1)]);
    m_dataLength = length;
    m_pos.w = static_cast<int>(width);
    m_pos.h = static_cast<int>(height);
    if (stream.Read(m_data.get(), static_cast<int>(2 * length)) != kStreamOk)
        return Fail("the data is cut short");
    if (encoded && !ValidateRows(m_data.get(), m_dataLength, m_pos.w, m_pos.h))
        return Fail("the encoded rows do not fit the size");

    const int fileFormat = flags & kLayout565 ? kPixelFormat565 : kPixelFormat555;
    if (fileFormat != g_pixelFormat) {
        if (encoded)
            ForEachRun(m_data.get(), m_pos.w, m_pos.h,
                       [fileFormat](int, int, uint16_t* pixels, int count) {
                           ConvertPixels(pixels, count, fileFormat);
                       });
        else
            ConvertPixels(m_data.get(), m_dataLength, fileFormat);
    }
    m_flags = flags;
    SetLoaded();
    return true;
}

bool Graphic::WriteLle(Stream& stream) const {
    const uint32_t width = static_cast<uint32_t>(m_pos.w), height = static_cast<uint32_t>(m_pos.h);
    const uint32_t length = static_cast<uint32_t>(m_dataLength);
    return GetFullPath().Write(stream) && stream.WriteValue(m_flags) && stream.WriteValue(width) &&
           stream.WriteValue(height) && stream.WriteValue(length) &&
           (length == 0 || stream.Write(m_data.get(), static_cast<int>(2 * length)) == kStreamOk);
}

bool Graphic::WriteTga(Stream& stream) const {
    if (!IsPlain())
        return false;
    uint8_t header[TgaHeader::kSize] = {};
    header[2] = 2;
    const uint16_t width = static_cast<uint16_t>(m_pos.w), height = static_cast<uint16_t>(m_pos.h);
    std::memcpy(header + 12, &width, 2);
    std::memcpy(header + 14, &height, 2);
    header[16] = 16;
    header[17] = 1;
    if (stream.Write(header, TgaHeader::kSize) != kStreamOk)
        return false;
    std::unique_ptr<uint16_t[]> row(NEW uint16_t[width]);
    for (int y = m_pos.h - 1; y >= 0; --y) {
        std::copy_n(m_data.get() + static_cast<long>(y) * m_pos.w, width, row.get());
        if (m_flags & kLayout565) // the file form is 5-5-5 whatever the screen's layout
            ConvertPixels(row.get(), width, kPixelFormat565);
        if (stream.Write(row.get(), width * 2) != kStreamOk)
            return false;
    }
    return true;
}

bool Graphic::FromSurface(SDL_Surface* surface) {
    const SurfacePtr taken(surface);
    if (!taken)
        return false;
    const SurfacePtr model(
        SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 16, 0x7C00, 0x03E0, 0x001F, 0));
    const SurfacePtr converted(model ? SDL_ConvertSurface(taken.get(), model->format, SDL_SWSURFACE)
                                     : nullptr);
    if (!converted)
        return false;
    const bool created = Create(converted->w, converted->h);
    if (created) {
        SDL_LockSurface(converted.get());
        for (int y = 0; y < converted->h; ++y)
            std::memcpy(m_data.get() + static_cast<long>(y) * converted->w,
                        static_cast<const uint8_t*>(converted->pixels) + y * converted->pitch,
                        static_cast<size_t>(converted->w) * 2);
        SDL_UnlockSurface(converted.get());
        m_flags = (m_flags | kLoaded) & ~kLayout565;
    }
    return created;
}

bool Graphic::ReadImageSize(const char* path, int& width, int& height) {
    const char* dot = std::strrchr(path, '.');
    if (!dot)
        return false;
    FileStream stream(path, kStreamReadBinary);
    if (!stream.IsOpen())
        return false;
    const char* problem = nullptr;
    if (_stricmp(dot, ".lle") == 0) {
        Stringc name;
        uint32_t flags = 0, w = 0, h = 0;
        if (!name.Read(stream) || !stream.ReadValue(flags) || !stream.ReadValue(w) ||
            !stream.ReadValue(h) || w > kMaxSide || h > kMaxSide)
            return false;
        width = static_cast<int>(w);
        height = static_cast<int>(h);
        return true;
    }
    auto sizeFrom = [&](auto header) {
        if (!header.Read(stream, &problem))
            return false;
        width = header.width;
        height = header.height;
        return true;
    };
    if (_stricmp(dot, ".tga") == 0)
        return sizeFrom(TgaHeader());
    if (_stricmp(dot, ".bmp") == 0)
        return sizeFrom(BmpHeader());
    return false;
}
