#include "Library/scripts/stored_text.h"

#include "Library/core/stream.h"
#include "Library/core/stringc.h"
#include "Library/files/stored_name.h"

#include <cstdio>

bool ReadStoredText(Stream& stream, Stringc& text) {
    const long start = stream.Tell();
    if (!text.Read(stream))
        return false;
    const long storedBytes = stream.Tell() - start - 2; // after the u16 count
    if (storedBytes > 0 && text.Length() != storedBytes - 1) {
        std::fprintf(stderr, "A stored text of %ld bytes does not end in its one NUL\n",
                     storedBytes);
        text.Clear();
        return false;
    }
    return true;
}

bool ReadStoredName(Stream& stream, Stringc& name) {
    if (!ReadStoredText(stream, name))
        return false;
    if (StoredName::Check(name))
        return true;
    name.Clear();
    return false;
}
