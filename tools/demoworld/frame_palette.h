#pragma once
// The colours the demo's menus and play screen share: gold and bronze frames on a dark
// plate, and the slate of their button faces.

#include "Library/graphics/colour.h"

namespace framepalette {

inline const Colour kGold(238, 196, 92);
inline const Colour kBronze(112, 78, 38);
inline const Colour kPlate(28, 22, 30);
inline const Colour kSlate(64, 74, 96);

// How light a colour looks, 0 to 255, by the eye's weights of its channels.
inline int Luminance(const Colour& colour) {
    return (299 * colour.red + 587 * colour.green + 114 * colour.blue) / 1000;
}

} // namespace framepalette
