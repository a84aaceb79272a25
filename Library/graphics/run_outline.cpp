#include "Library/graphics/run_outline.h"

#include "Library/graphics/encoded_rows.h"
#include "Library/graphics/screen.h"
#include "Library/graphics/span.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using RowRuns = std::vector<std::pair<int, int>>; // [start, end) columns of one row's runs

} // namespace

template <class Word>
void DrawRunOutline(const PixelSurface& surface, const Word* data, int width, int height, int x,
                    int y) {
    if (!surface.pixels || height <= 0)
        return;
    const uint16_t colour = g_screen ? g_screen->GetDrawColour() : 0xFFFF;
    const PixelSurface::Area area = surface.Visible(g_clipRect);
    auto stretch = [&](long row, long from, long to) { // columns [from, to)
        from = std::max(from, area.x1);
        to = std::min(to, area.x2);
        if (row >= area.y1 && row < area.y2 && from < to)
            FillSpan16(surface.pixels + row * surface.width + from, colour,
                       static_cast<int>(to - from));
    };
    std::vector<RowRuns> rows(static_cast<size_t>(height));
    ForEachRun(data, width, height, [&](int row, int start, const Word*, int count) {
        RowRuns& runs = rows[row];
        if (count == 0)
            return;
        if (!runs.empty() && runs.back().second == start) // a long run stored in parts
            runs.back().second += count;
        else
            runs.push_back({start, start + count});
    });
    static const RowRuns kNoRuns;
    for (int row = 0; row < height; ++row) {
        const long screenRow = static_cast<long>(y) + row;
        for (const auto& [start, end] : rows[row]) {
            stretch(screenRow, x + start - 1L, x + start + 0L);
            stretch(screenRow, x + static_cast<long>(end), x + end + 1L);
            for (const int side : {-1, 1}) {
                const int neighbour = row + side;
                const RowRuns& covering =
                    neighbour >= 0 && neighbour < height ? rows[neighbour] : kNoRuns;
                int from = start;
                for (const auto& [coverStart, coverEnd] : covering) {
                    if (coverEnd <= from)
                        continue;
                    if (coverStart >= end)
                        break;
                    stretch(screenRow + side, x + static_cast<long>(from),
                            x + static_cast<long>(std::max(from, coverStart)));
                    from = std::max(from, coverEnd);
                }
                stretch(screenRow + side, x + static_cast<long>(from), x + static_cast<long>(end));
            }
        }
    }
}

template void DrawRunOutline(const PixelSurface&, const uint8_t*, int, int, int, int);
template void DrawRunOutline(const PixelSurface&, const uint16_t*, int, int, int, int);
