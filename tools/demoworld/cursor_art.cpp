#include "tools/demoworld/cursor_art.h"

#include "tools/demoworld/demo_output.h"

#include <iterator>
#include <vector>

namespace {

constexpr int kSide = 16;

enum PaletteIndex : uint8_t { kKey, kBlack, kWhite, kPale, kGold, kRed, kDarkRed, kBlue, kCyan };

const SDL_Color kPalette[] = {{255, 0, 255, 0},   {0, 0, 0, 0},      {255, 255, 255, 0},
                              {255, 250, 190, 0}, {240, 190, 40, 0}, {230, 30, 30, 0},
                              {120, 0, 0, 0},     {40, 80, 230, 0},  {130, 220, 255, 0}};

// '.' transparent, 'X' outline, 'o' the frame's fill, 'b' its second fill.
using Picture = const char* const[kSide];

Picture kPointer = {"X...............", "XX..............", "XoX.............", "XooX............",
                    "XoooX...........", "XooooX..........", "XoooooX.........", "XooooooX........",
                    "XoooooooX.......", "XooooooooX......", "XoooooXXXXX.....", "XooXooX.........",
                    "XoX.XooX........", "XX..XooX........", "X....XooX.......", ".....XXX........"};

Picture kSword = {"XXX.............", "XooX............", "XoooX...........", ".XoooX..........",
                  "..XoooX.........", "...XoooX........", "....XoooX.......", ".....XoooX......",
                  "......XoooX.XX..", ".......XoooXbX..", "........XooXbX..", ".........XXbbX..",
                  "........XbbbbbX.", "........XXXXXbbX", ".............XbX", "..............X."};

Picture kHand = {"XX..............", "XoX.............", "XooX............", "XoooX...........",
                 "XooooX..........", "XoooooX.........", "XooXXXX.........", "XoX.............",
                 "XX.....XXXXXXXX.", ".......XbbbbbbX.", ".......XbXXXXbX.", ".......XbbbbbbX.",
                 ".......XbbbbbbX.", ".......XbbbbbbX.", ".......XXXXXXXX.", "................"};

Picture kSpell = {"XX..............", "XoX.............", "XooX............", "XoooX...........",
                  "XooooX..........", "XoooooX.........", "XooXXXX.........", "XoX........X....",
                  "XX........XbX...", "......XXXXXbXXXX", "......XbbbbbbbbX", "........XbbbbX..",
                  ".......XbbXXbbX.", ".......XbX..XbX.", ".......XX....XX.", "................"};

Picture kCross = {"XXX.........XXX.", "XooX.......XooX.", "XoooX.....XoooX.", ".XoooX...XoooX..",
                  "..XoooX.XoooX...", "...XoooXoooX....", "....XoooooX.....", ".....XoooX......",
                  "....XoooooX.....", "...XoooXoooX....", "..XoooX.XoooX...", ".XoooX...XoooX..",
                  "XoooX.....XoooX.", "XooX.......XooX.", "XXX.........XXX.", "................"};

Picture kArrowUp = {".......XX.......", "......XooX......", ".....XooooX.....", "....XooooooX....",
                    "...XooooooooX...", "..XooooooooooX..", ".XXXXXooooXXXXX.", ".....XooooX.....",
                    ".....XooooX.....", ".....XooooX.....", ".....XooooX.....", ".....XXXXXX.....",
                    "................", "................", "................", "................"};

Picture kArrowUpRight = {
    "......XXXXXXXXXX", ".......XoooooooX", "........XooooooX", ".........XoooooX",
    "........XooooooX", ".......XoooooXoX", "......XoooooX.XX", ".....XoooooX....",
    "....XoooooX.....", "...XoooooX......", "....XoooX.......", ".....XoX........",
    "......X.........", "................", "................", "................"};

} // namespace

struct CursorArt::Frame {
    const char* const* picture;
    int quarterTurns; // clockwise
    uint8_t fill;
    uint8_t fill2;

    uint8_t At(int x, int y) const {
        const int last = kSide - 1;
        const int sx[] = {x, y, last - x, last - y};
        const int sy[] = {y, last - x, last - y, x};
        switch (picture[sy[quarterTurns]][sx[quarterTurns]]) {
        case 'X':
            return kBlack;
        case 'o':
            return fill;
        case 'b':
            return fill2;
        default:
            return kKey;
        }
    }
};

CursorArt::CursorArt(const Stringc& setDir, const Stringc& bitmapDir)
    : m_setDir(setDir), m_bitmapDir(bitmapDir) {}

bool CursorArt::Write() const {
    const Frame pointer[] = {{kPointer, 0, kWhite, 0},
                             {kPointer, 0, kPale, 0},
                             {kPointer, 0, kGold, 0},
                             {kPointer, 0, kPale, 0}};
    const Frame attack[] = {{kSword, 0, kWhite, kGold}, {kSword, 0, kPale, kRed}};
    const Frame useItem[] = {{kHand, 0, kWhite, kGold}, {kHand, 0, kWhite, kPale}};
    const Frame useSpell[] = {{kSpell, 0, kWhite, kCyan}, {kSpell, 0, kWhite, kBlue}};
    const Frame error[] = {{kCross, 0, kRed, 0}, {kCross, 0, kDarkRed, 0},
                           {kCross, 0, kRed, 0}, {kCross, 0, kDarkRed, 0},
                           {kCross, 0, kRed, 0}, {kCross, 0, kDarkRed, 0}};
    // Edges 0-7 clockwise from the top: the straight arrow and the diagonal one by turns;
    // the speed ramps over the first three frames.
    std::vector<Frame> scroll;
    const uint8_t ramp[] = {kBlue, kCyan, kWhite};
    for (int edge = 0; edge < 8; ++edge)
        for (uint8_t fill : ramp)
            scroll.push_back({edge % 2 == 0 ? kArrowUp : kArrowUpRight, edge / 2, fill, 0});

    return WriteAnimation("pointer", pointer, 1, 4, 150) &&
           WriteAnimation("attack", attack, 1, 2, 250) &&
           WriteAnimation("use_item", useItem, 1, 2, 250) &&
           WriteAnimation("use_spell", useSpell, 1, 2, 200) &&
           WriteAnimation("scroll", scroll.data(), 8, 3, 120) &&
           WriteAnimation("error", error, 1, 6, 100);
}

// The frames of every sequence in turn; the animation's stored name is its file's base name.
bool CursorArt::WriteAnimation(const char* name, const Frame* frames, int sequences, int frameCount,
                               uint32_t durationMs) const {
    const Stringc bitmaps = m_bitmapDir + "/" + name;
    for (int i = 0; i < sequences * frameCount; ++i)
        if (!WriteBitmap(FramePath(bitmaps, i), frames[i]))
            return false;
    return WriteAnimationFromBitmaps(bitmaps, sequences, frameCount, durationMs,
                                     m_setDir + "/" + name + ".ani");
}

// An 8-bit bitmap whose palette entry 0 is the magenta key.
bool CursorArt::WriteBitmap(const Stringc& path, const Frame& frame) const {
    return SaveShadedBitmap(path, kSide, kSide, kPalette, static_cast<int>(std::size(kPalette)),
                            [&](int x, int y) { return frame.At(x, y); });
}
