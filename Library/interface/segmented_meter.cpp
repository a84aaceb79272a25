#include "Library/interface/segmented_meter.h"

#include "Library/graphics/ellipse_shape.h"
#include "Library/graphics/screen.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kFrameInset = 4;
constexpr int kInnerInset = 8; // the rounded corners' radius
constexpr int kDefaultOutline = 4;
constexpr int kBlockPixels = 6;   // width per block of the automatic count
constexpr int kLabelTextMode = 3; // the label goes below the meter, else above
constexpr double kCurve = 1.91;

} // namespace

SegmentedMeter::SegmentedMeter(int x, int y, int width, int height, int max, int orientation)
    : Meter(x, y, 100, max, orientation) {
    m_pos.w = width;
    m_pos.h = height;
    SegmentedMeter::Layout();
    SetDefaultFrame();
    SetBlockCount(kAutoBlockCount, false);
    SetOutline(kDefaultOutline, false);
}

void SegmentedMeter::Layout() {
    Meter::Layout();
    m_inner.left = m_pos.x - m_halfWidth + kInnerInset;
    m_inner.right = m_pos.x + m_halfWidth - kInnerInset;
    m_inner.top = m_pos.y + kInnerInset;
    m_inner.bottom = m_bottom - kInnerInset;
}

void SegmentedMeter::SetDefaultFrame() {
    m_frame = Rect::Make(m_pos.x - m_halfWidth + kFrameInset, m_pos.y + kFrameInset,
                         m_pos.x + m_halfWidth - kFrameInset, m_pos.y + m_pos.h - kFrameInset);
}

void SegmentedMeter::SetFrame(const Rect& frame) {
    m_frame = frame;
}

void SegmentedMeter::SetBlockCount(int count, bool noGaps) {
    if (count == kAutoBlockCount)
        count = m_pos.w / kBlockPixels;
    m_blockCount = count;
    m_noGaps = noGaps || count > kMaxGappedBlocks;
    RebuildBlocks();
}

void SegmentedMeter::SetHeightMode(int mode) {
    m_heightMode = mode & 7;
    RebuildBlocks();
}

void SegmentedMeter::SetOutline(int style, bool rounded) {
    m_outlineStyle = style & 7;
    m_rounded = rounded;
}

// Blocks narrower than a pixel (more blocks than the frame is wide) are made 1 wide
// without gaps; a count below 1 lays none.
void SegmentedMeter::RebuildBlocks() {
    if (m_max < 1)
        return;
    m_blocks.assign(static_cast<size_t>(std::max(m_blockCount, 0)), Rect());
    if (m_blockCount < 1 || m_heightMode > kFlattening)
        return;
    const int frameWidth = m_frame.x2 - m_frame.x1, frameHeight = m_frame.y2 - m_frame.y1;
    const int q = frameHeight / 5;
    int blockWidth = frameWidth / m_blockCount - (m_noGaps ? 0 : 1);
    if (blockWidth < 1) {
        m_noGaps = true;
        blockWidth = 1;
    }
    const int pitch = m_noGaps ? blockWidth : blockWidth + 1;
    if (m_heightMode == kFlattening)
        LayFlattening(blockWidth, pitch, q);
    else
        LayRow(blockWidth, pitch, frameWidth, frameHeight, q);
    for (Rect& block : m_blocks) // the curves overshoot the frame with many blocks
        block.y1 = std::clamp(block.y1, m_frame.y1, m_frame.y2);
}

// Centred in the frame, rising to the right by a ramp or a growing curve.
void SegmentedMeter::LayRow(int blockWidth, int pitch, int rowWidth, int frameHeight, int q) {
    const int count = m_blockCount;
    const int total = blockWidth * count + (m_noGaps ? 0 : count - 1);
    const int first = m_frame.x1 + (rowWidth - total) / 2;
    const double growth = 1.0 + kCurve / count;
    for (int i = 0; i < count; ++i) {
        int height;
        if (m_heightMode == kRamp)
            height = q + i * (frameHeight - q) / count;
        else
            height = i == count - 1 ? frameHeight : static_cast<int>(q * std::pow(growth, i));
        const int x1 = first + i * pitch;
        m_blocks[static_cast<size_t>(i)] =
            Rect::Make(x1, m_frame.y2 - height, x1 + blockWidth, m_frame.y2);
    }
}

// Laid from the right edge: full height there, flattening towards a leftmost block of q.
void SegmentedMeter::LayFlattening(int blockWidth, int pitch, int q) {
    const int count = m_blockCount;
    const float growth = 1.0f + static_cast<float>(kCurve) / static_cast<float>(count);
    const int rightmost = m_frame.x2 - blockWidth - (m_noGaps ? 0 : count / 4);
    for (int k = 0; k < count; ++k) {
        const int x1 = rightmost - k * pitch;
        const int top =
            k == count - 1
                ? m_frame.y2 - q
                : m_frame.y1 + static_cast<int>(static_cast<float>(q) *
                                                (std::pow(growth, static_cast<float>(k)) - 1.0f));
        m_blocks[static_cast<size_t>(count - 1 - k)] =
            Rect::Make(x1, top, x1 + blockWidth, m_frame.y2);
    }
}

void SegmentedMeter::Draw(Screen& screen) {
    if (m_blockCount < 1 || m_max < 1)
        return;
    const uint16_t savedColour = screen.GetDrawColour();
    DrawOutline(screen);
    DrawBlocks(screen);
    DrawLabel(screen);
    screen.SetDrawColour(savedColour);
}

void SegmentedMeter::DrawBlocks(Screen& screen) {
    if (m_blocks.size() != static_cast<size_t>(m_blockCount))
        RebuildBlocks();
    const int lit = static_cast<int>(m_blockCount * (static_cast<double>(m_value) / m_max) + 0.5);
    for (int i = 0; i < m_blockCount; ++i) {
        if (i >= lit && m_style == 0)
            break;
        screen.SetDrawColour(i < lit ? m_barColour : m_backColour);
        screen.FillRectColour(m_blocks[static_cast<size_t>(i)]);
    }
}

void SegmentedMeter::DrawLabel(Screen& screen) const {
    if (m_label.Length() == 0)
        return;
    const int row = m_textMode == kLabelTextMode ? m_inner.bottom + 5 : m_inner.top - 5;
    screen.DrawText(m_pos.x - 4 * m_label.Length(), row, m_label);
}

void SegmentedMeter::DrawOutline(Screen& screen) const {
    screen.SetDrawColour(m_textColour);
    const int y = m_pos.y, bottom = m_bottom;
    const int xl = m_pos.x - m_halfWidth, xr = m_pos.x + m_halfWidth;
    const int il = m_inner.left, ir = m_inner.right, it = m_inner.top, ib = m_inner.bottom;
    auto line = [&screen](int x1, int y1, int x2, int y2) { screen.DrawLine(x1, y1, x2, y2); };
    auto corner = [&screen](int x, int cy, int quadrants) { DrawCorner(screen, x, cy, quadrants); };
    // Styles 3, 4 and 6: both sides from top down, rounding into the bottom when asked.
    auto sides = [&](int top) {
        line(xl, top, xl, m_rounded ? ib : bottom);
        line(xr, top, xr, m_rounded ? ib : bottom);
        if (m_rounded) {
            corner(il, ib, kEllipseBottomLeft);
            corner(ir, ib, kEllipseBottomRight);
        }
    };
    auto bottomEdge = [&](int from) { line(from, bottom, m_rounded ? ir + 1 : xr, bottom); };
    switch (m_outlineStyle) {
    case 1:
        if (m_rounded) {
            line(xl, it, xl, ib);
            line(xr, it, xr, ib);
            line(il, y, ir + 1, y);
            line(il, bottom, ir + 1, bottom);
            corner(il, ib, kEllipseBottomLeft);
            corner(ir, ib, kEllipseBottomRight);
            corner(il, it, kEllipseTopLeft);
            corner(ir, it, kEllipseTopRight);
        } else {
            sides(y);
            line(xl, y, xr, y);
            bottomEdge(xl);
        }
        break;
    case 2:
        if (m_rounded) {
            line(xl, it, xl, ib);
            corner(il, it, kEllipseTopLeft);
            corner(il, ib, kEllipseBottomLeft);
            line(il, bottom, xr, bottom);
            line(il, y, xr, y);
        } else {
            line(xl, y, xl, bottom);
            line(xl, bottom, xr, bottom);
            line(xl, y, xr, y);
        }
        break;
    case 3:
    case 4:
        sides(m_outlineStyle == 3 ? y : y + m_halfHeight);
        bottomEdge(m_rounded ? il : xl);
        break;
    case 5:
        line(xr, y, xr, m_rounded ? ib : bottom);
        if (m_rounded)
            corner(ir, ib, kEllipseBottomRight);
        bottomEdge(xl);
        break;
    case 6:
        sides(y);
        break;
    default: // 0 and 7: no outline
        break;
    }
}
