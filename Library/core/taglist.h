#pragma once
// A bit set of 64 bits unless sized otherwise, with an exact count of set bits and a
// free-slot finder: the occupancy map of the slot lists and the game's saved flag sets.

#include "Library/core/tag_bits.h"

class TagList : public TagBits<TagList, uint8_t, 64> {
public:
    using TagBits::TagBits;
};
