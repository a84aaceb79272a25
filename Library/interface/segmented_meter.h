#pragma once
// A row of blocks laid in a frame, lit from the left by the value, with an outline and a
// label. x is the meter's horizontal centre, y its top.

#include "Library/graphics/rect.h"
#include "Library/interface/meter.h"

#include <vector>

class SegmentedMeter : public Meter {
public:
    static constexpr int kMaxGappedBlocks = 20; // more blocks are laid without gaps
    static constexpr int kAutoBlockCount = -1;  // one block per 6 pixels of width
    // Height modes: 0 a straight ramp, 1 a growing curve, 2 a flattening curve from the
    // right; 3-7 lay no blocks.
    static constexpr int kRamp = 0;
    static constexpr int kGrowing = 1;
    static constexpr int kFlattening = 2;

    SegmentedMeter(int x, int y, int width, int height, int max, int orientation);

    void Layout() override;  // and the inner rectangle the rounded outline turns around
    void Reset() override {} // keeps its geometry and blocks
    void SetLength(int) override {}
    // Outline, blocks, label; nothing while there is no block or no positive maximum.
    void Draw(Screen& screen) override;

    void SetDefaultFrame();           // 4 pixels inside the meter; the blocks stay
    void SetFrame(const Rect& frame); // the blocks stay
    void SetBlockCount(int count, bool noGaps);
    void SetHeightMode(int mode);
    void SetOutline(int style, bool rounded); // style 0-7; no rebuild

private:
    struct Inner {
        int left = 0, right = 0, top = 0, bottom = 0;
    };

    void RebuildBlocks();
    void LayRow(int blockWidth, int pitch, int rowWidth, int frameHeight, int q);
    void LayFlattening(int blockWidth, int pitch, int q);
    void DrawOutline(Screen& screen) const;
    void DrawBlocks(Screen& screen);
    void DrawLabel(Screen& screen) const;

    int m_blockCount = 0;
    std::vector<Rect> m_blocks; // left to right
    Rect m_frame;
    bool m_noGaps = false;
    bool m_rounded = false;
    int m_outlineStyle = 0;
    int m_heightMode = kRamp;
    Inner m_inner;
};
