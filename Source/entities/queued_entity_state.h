#pragma once
// The small state record of a queued entity: five values, the first the entity's state
// (the classes give the values); only the first three are stored.

#include <cstdint>

class Stream;

struct QueuedEntityState {
    static constexpr int kValueCount = 5;
    static constexpr int kStoredCount = 3;

    int32_t values[kValueCount] = {};

    void Clear();
    // Three i32, the state first, after the stream's open check; stops at the first failure.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;
};
