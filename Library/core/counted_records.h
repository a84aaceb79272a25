#pragma once
// Lists stored as an i32 count and then that many records, each read and written by the
// record's own Read and Write. A count that cannot fit in the bytes left is refused before
// anything is allocated, and a list that cannot be read whole leaves the caller's as it was.

#include "Library/core/stream.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

// what names the list in messages ("Script instructions"); minRecordBytes is the least a
// stored record takes.
template <class T>
bool ReadCountedRecords(Stream& stream, int minRecordBytes, const char* what,
                        std::vector<T>& records) {
    int32_t count = 0;
    if (stream.CheckOpen() != kStreamOk || !stream.ReadValue(count))
        return false;
    if (count < 0 || count > stream.Remaining() / minRecordBytes) {
        std::fprintf(stderr, "%s: %d records cannot lie in the %ld bytes left\n", what, count,
                     stream.Remaining());
        return false;
    }
    std::vector<T> read(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        if (!read[static_cast<std::size_t>(i)].Read(stream)) {
            std::fprintf(stderr, "%s: record %d of %d is damaged or cut short\n", what, i, count);
            return false;
        }
    }
    records.swap(read);
    return true;
}

template <class T> bool WriteCountedRecords(Stream& stream, const std::vector<T>& records) {
    if (!stream.WriteValue(static_cast<int32_t>(records.size())))
        return false;
    for (const T& record : records)
        if (!record.Write(stream))
            return false;
    return true;
}

// The used slots of a slot table (a MemMgr), in slot order, after their count.
template <class Table> bool WriteUsedRecords(Stream& stream, const Table& records) {
    if (!stream.WriteValue(static_cast<int32_t>(records.CountUsed())))
        return false;
    for (int slot = 0; slot < records.GetCount(); ++slot)
        if (records.IsUsed(slot) && !records.Get(slot)->Write(stream))
            return false;
    return true;
}
