#pragma once
// A named place of a region where the party is put when it arrives there, and the way the
// party leader then faces.
//
// Stored form: position x, y, z (three f32), name (Stringc), facing (u32, its low byte
// the direction 0 to 7).

#include "Library/core/stringc.h"
#include "Library/core/vector.h"

#include <cstdint>

class Stream;

struct EntryPt {
    static constexpr int kMinStoredBytes = 18; // an empty name

    Vector position;
    Stringc name; // "" until the editor or a script names it
    uint32_t facing = 0;

    void Reset() { *this = EntryPt(); }
    uint8_t GetDirection() const { return static_cast<uint8_t>(facing & 0xFF); }

    bool Read(Stream& stream);
    bool Write(Stream& stream) const;
};
