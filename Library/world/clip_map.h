#pragma once
// For every pixel column of a map image, the vertical runs of scenery standing in front of
// the ground (walls, trees, roofs), each in ascending order. Sprites are drawn through it:
// where a run covers a sprite and its base line lies at or below the sprite's own, the
// sprite shows through the scenery only faintly. Built from the map's "_clip.tga" image
// and stored inside the ".map" file.
//
// Stream form, little-endian:
//   u32 columns, u32 rows,
//   then per column, 0 to columns - 1: u32 n, n spans of u32 top, u32 bottom, u32 base.

#include "Library/world/clip_span.h"

#include <cstdint>
#include <vector>

class AnimationMgr;
class Graphic;
class MapView;
class Stream;
class Zone;
struct ClipSprite;
struct PixelSurface;

class ClipMap {
public:
    static constexpr int kFullOpacity = 255;
    static constexpr int kGlowBehindOpacity = kFullOpacity / 4;

    ClipMap() = default;
    ClipMap(ClipMap&&) = default;
    ClipMap& operator=(ClipMap&&) = default;
    ClipMap(const ClipMap&) = delete;
    ClipMap& operator=(const ClipMap&) = delete;
    virtual ~ClipMap() = default;

    // The counts are checked against the data (a column holds at most rows spans, each
    // with top <= bottom < rows) before anything is made; source names the data in the
    // message printed on failure, which leaves the map as it was.
    bool Read(Stream& stream, const char* source = "clip map data");
    bool Write(Stream& stream) const;

    // A span for every run of pixels that are not the colour key, top to bottom; false,
    // with a message, when the image cannot be read. The map is empty after a failure.
    bool BuildFromImage(const char* path);
    void AllocRows(uint32_t columns, uint32_t rows); // every column empty
    void Clear();                                    // no columns, no rows
    // A one-row span appended to the column; null for a column outside the map. Valid
    // until the next span is added to that column.
    ClipSpan* AddSpan(uint32_t column, uint32_t y);
    // The base of every span whose two ends (column / 16, row / 12 in world units) both
    // lie inside the zone.
    void SetBaseInZone(const Zone& zone, uint32_t base);

    // The frame at its screen position (AnimationMgr::SetScreenPosition plus its crop),
    // with a base line (screen y) and an opacity 0-255, through the spans: rows behind a
    // span in front of the base line at half the opacity. view turns screen positions
    // into map pixels; drawing stays within g_clipRect.
    void DrawClipped(const PixelSurface& surface, const MapView& view, AnimationMgr& frame,
                     int baseLine, int opacity) const;
    // The frame as a glow: only indices brighter than half drawn, each blended by its
    // brightness, at a quarter of full strength behind spans in front of its bottom edge.
    void DrawClipped2(const PixelSurface& surface, const MapView& view, AnimationMgr& frame) const;
    // The same two drawings of a frame already taken apart.
    void DrawSprite(const PixelSurface& surface, const MapView& view, const ClipSprite& sprite,
                    int baseLine, int opacity) const;
    void DrawGlow(const PixelSurface& surface, const MapView& view, const ClipSprite& sprite) const;
    // A 16-bit image at its own position as DrawClipped draws a frame; its colour key (or
    // the gaps of its run-length rows) is never drawn.
    void DrawGraphicClipped(const PixelSurface& surface, const MapView& view, const Graphic& image,
                            int baseLine, int opacity) const;

    uint32_t GetColumns() const { return static_cast<uint32_t>(m_spans.size()); }
    uint32_t GetRows() const { return m_rows; }
    // The column's spans in order; none for a column outside the map.
    const std::vector<ClipSpan>& GetSpans(long column) const;
    long CountSpans() const;

private:
    uint32_t m_rows = 0;
    std::vector<std::vector<ClipSpan>> m_spans; // one list per column
};
