#pragma once
// The animations of the demo map's entities, each the "misc_1" of its set in the animation
// directory: a torch burning on its post ("torch", four frames) and a town's banner waving
// over its roofs ("town", two frames).

#include "Library/core/stringc.h"

#include <cstdint>

class MapEntityArt {
public:
    static constexpr const char* kTorchSet = "torch";
    static constexpr const char* kTownSet = "town";

    // bitmapDir: a scratch folder for the frames the animations are built from.
    MapEntityArt(const Stringc& animDir, const Stringc& bitmapDir);

    bool Write() const; // false, with a message, at the first file that cannot be written

private:
    template <class Draw>
    bool WriteAnimation(const char* set, int width, int height, int frames, uint32_t durationMs,
                        Draw draw) const;

    Stringc m_animDir;
    Stringc m_bitmapDir;
};
