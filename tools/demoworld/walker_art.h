#pragma once
// A walking figure for the animation editor to build: under the animation directory's
// "Walker" set, one folder of 8-bit bitmaps per animation ("walk" and "stand"), holding
// eight directions one after the other, each of equally many frames on a magenta field.

#include "Library/core/stringc.h"

class PalettedFrame;

class WalkerArt {
public:
    static constexpr const char* kSet = "Walker";
    static constexpr int kDirections = 8;
    static constexpr int kWalkFrames = 6;
    static constexpr int kStandFrames = 1;
    static constexpr int kWidth = 40;
    static constexpr int kHeight = 56;

    explicit WalkerArt(const Stringc& animDir);

    bool Write() const; // false, with a message, at the first bitmap that cannot be written

private:
    bool WriteAnimation(const char* name, int frames) const;
    static void Paint(PalettedFrame& figure, int direction, int frame, int frames);

    Stringc m_setDir;
};
