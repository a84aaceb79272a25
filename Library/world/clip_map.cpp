#include "Library/world/clip_map.h"

#include "Library/core/stream.h"
#include "Library/core/vector.h"
#include "Library/geometry/zone.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/pixel_format.h"
#include "Library/world/tile_grid.h"

#include <climits>
#include <cstdio>
#include <utility>

namespace {

const std::vector<ClipSpan> kNoSpans;
constexpr uint32_t kMaxSpansPerColumn = INT_MAX / sizeof(ClipSpan); // read in one go

bool Fail(const char* source, const char* problem) {
    std::fprintf(stderr, "%s: %s\n", source, problem);
    return false;
}

Vector WorldPoint(uint32_t column, uint32_t row) {
    return Vector(static_cast<float>(column) / TileGrid::kTileWidth,
                  static_cast<float>(row) / TileGrid::kTileHeight, 0.0f);
}

} // namespace

bool ClipMap::Read(Stream& stream, const char* source) {
    uint32_t columns = 0, rows = 0;
    if (!stream.ReadValue(columns) || !stream.ReadValue(rows))
        return Fail(source, "the clip map's size is cut short");
    if (columns > static_cast<unsigned long>(stream.Remaining()) / sizeof(uint32_t))
        return Fail(source, "the clip map has more columns than its data holds");
    std::vector<std::vector<ClipSpan>> spans(columns);
    for (std::vector<ClipSpan>& column : spans) {
        uint32_t count = 0;
        if (!stream.ReadValue(count))
            return Fail(source, "the clip map's columns are cut short");
        if (count > rows || count > kMaxSpansPerColumn ||
            count > static_cast<unsigned long>(stream.Remaining()) / sizeof(ClipSpan))
            return Fail(source, "a clip map column has more spans than its rows or data hold");
        column.resize(count);
        if (count > 0 &&
            stream.Read(column.data(), static_cast<int>(count * sizeof(ClipSpan))) != kStreamOk)
            return Fail(source, "the clip map's spans are cut short");
        for (const ClipSpan& span : column)
            if (span.top > span.bottom || span.bottom >= rows)
                return Fail(source, "a clip span ends above its start or below the map");
    }
    m_rows = rows;
    m_spans = std::move(spans);
    return true;
}

bool ClipMap::Write(Stream& stream) const {
    const uint32_t columns = GetColumns();
    if (!stream.WriteValue(columns) || !stream.WriteValue(m_rows))
        return false;
    for (const std::vector<ClipSpan>& column : m_spans) {
        const uint32_t count = static_cast<uint32_t>(column.size());
        if (!stream.WriteValue(count) ||
            (count > 0 &&
             stream.Write(column.data(), static_cast<int>(count * sizeof(ClipSpan))) != kStreamOk))
            return false;
    }
    return true;
}

bool ClipMap::BuildFromImage(const char* path) {
    Clear();
    int width = 0, height = 0;
    if (!Graphic::ReadImageSize(path, width, height))
        return Fail(path, "the clip image's size cannot be read");
    Graphic image;
    if (!image.LoadFile(path, false))
        return false;
    if (image.GetWidth() != width || image.GetHeight() != height || !image.GetData())
        return Fail(path, "the clip image does not hold the pixels its header promises");
    AllocRows(static_cast<uint32_t>(width), static_cast<uint32_t>(height));
    const uint16_t* pixels = image.GetData();
    for (int x = 0; x < width; ++x) {
        ClipSpan* run = nullptr;
        for (int y = 0; y < height; ++y) {
            const bool scenery = pixels[static_cast<long>(y) * width + x] != g_colourKey;
            if (!scenery)
                run = nullptr;
            else if (!run)
                run = AddSpan(static_cast<uint32_t>(x), static_cast<uint32_t>(y));
            else
                run->bottom = run->base = static_cast<uint32_t>(y);
        }
    }
    return true;
}

void ClipMap::AllocRows(uint32_t columns, uint32_t rows) {
    m_rows = rows;
    m_spans.assign(columns, std::vector<ClipSpan>());
}

void ClipMap::Clear() {
    m_rows = 0;
    m_spans.clear();
}

ClipSpan* ClipMap::AddSpan(uint32_t column, uint32_t y) {
    if (column >= GetColumns())
        return nullptr;
    m_spans[column].push_back(ClipSpan{y, y, y});
    return &m_spans[column].back();
}

void ClipMap::SetBaseInZone(const Zone& zone, uint32_t base) {
    for (uint32_t column = 0; column < GetColumns(); ++column)
        for (ClipSpan& span : m_spans[column])
            if (zone.Contains(WorldPoint(column, span.top)) &&
                zone.Contains(WorldPoint(column, span.bottom)))
                span.base = base;
}

const std::vector<ClipSpan>& ClipMap::GetSpans(long column) const {
    return column >= 0 && column < static_cast<long>(m_spans.size())
               ? m_spans[static_cast<size_t>(column)]
               : kNoSpans;
}

long ClipMap::CountSpans() const {
    long count = 0;
    for (const std::vector<ClipSpan>& column : m_spans)
        count += static_cast<long>(column.size());
    return count;
}
