#pragma once
// One vertical run of scenery pixels in a column of the map image, in map pixel rows.

#include <cstdint>

struct ClipSpan {
    uint32_t top = 0;    // first row
    uint32_t bottom = 0; // last row
    uint32_t base = 0;   // the base line sprites are compared with; the last row when built
};

static_assert(sizeof(ClipSpan) == 12, "a span is stored as its three words");
