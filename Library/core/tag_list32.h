#pragma once
// TagList on 32-bit words, 256 bits unless sized otherwise; stored as little-endian words.

#include "Library/core/tag_bits.h"

class TagList32 : public TagBits<TagList32, uint32_t, 256> {
public:
    using TagBits::TagBits;
};
