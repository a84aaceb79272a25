#include "Library/graphics/colour_offset.h"

#include "Library/core/stream.h"

bool ColourOffset::Read(Stream& stream) {
    return stream.ReadValue(red) && stream.ReadValue(green) && stream.ReadValue(blue);
}

bool ColourOffset::Write(Stream& stream) const {
    return stream.WriteValue(red) && stream.WriteValue(green) && stream.WriteValue(blue);
}
