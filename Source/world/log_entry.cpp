#include "Source/world/log_entry.h"

#include "Library/core/stream.h"

bool LogEntry::Read(Stream& stream) {
    return first.Read(stream) && second.Read(stream) && stream.ReadValue(active);
}

bool LogEntry::Write(Stream& stream) const {
    return first.Write(stream) && second.Write(stream) && stream.WriteValue(active);
}
