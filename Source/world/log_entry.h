#pragma once
// One line of the player's journal: a topic (its key and text) or a note (the key of its
// topic and the note's own text). Closing an entry keeps it, shown highlighted.
//
// Stored form: first (Stringc), second (Stringc), active (u8).

#include "Library/core/stringc.h"

#include <cstdint>

class Stream;

struct LogEntry {
    static constexpr int kMinStoredBytes = 5; // two empty texts and the flag

    Stringc first;
    Stringc second;
    uint8_t active = 1; // 0 once closed

    bool Read(Stream& stream);
    bool Write(Stream& stream) const;
};
