#pragma once
// The "Mouse" animation set of the game's cursor: "pointer", "attack", "use_item",
// "use_spell", "scroll" (one sequence per screen edge, clockwise from the top) and "error",
// drawn from 16 x 16 character pictures whose hot spot is the top-left corner.

#include "Library/core/stringc.h"

#include <cstdint>

class Animation;

class CursorArt {
public:
    // bitmapDir: a scratch directory for the frames the animations are built from.
    CursorArt(const Stringc& setDir, const Stringc& bitmapDir);

    bool Write() const; // every animation of the set; false, with a message, at the first failure

private:
    struct Frame; // one picture and its fill colour

    bool WriteAnimation(const char* name, const Frame* frames, int sequences, int frameCount,
                        uint32_t durationMs) const;
    bool WriteBitmap(const Stringc& path, const Frame& frame) const;

    Stringc m_setDir;
    Stringc m_bitmapDir;
};
