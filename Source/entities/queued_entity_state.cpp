#include "Source/entities/queued_entity_state.h"

#include "Library/core/stream.h"

void QueuedEntityState::Clear() {
    for (int32_t& value : values)
        value = 0;
}

bool QueuedEntityState::Read(Stream& stream) {
    if (stream.CheckOpen() != kStreamOk)
        return false;
    for (int i = 0; i < kStoredCount; ++i)
        if (!stream.ReadValue(values[i]))
            return false;
    return true;
}

bool QueuedEntityState::Write(Stream& stream) const {
    if (stream.CheckOpen() != kStreamOk)
        return false;
    for (int i = 0; i < kStoredCount; ++i)
        if (!stream.WriteValue(values[i]))
            return false;
    return true;
}
