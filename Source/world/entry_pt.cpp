#include "Source/world/entry_pt.h"

#include "Library/core/stream.h"

bool EntryPt::Read(Stream& stream) {
    return position.Read(stream) && name.Read(stream) && stream.ReadValue(facing);
}

bool EntryPt::Write(Stream& stream) const {
    return position.Write(stream) && name.Write(stream) && stream.WriteValue(facing);
}
