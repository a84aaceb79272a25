#pragma once
// Names read from stored files (saves, regions, records) become file paths under a folder of
// the data tree. Such a name may go down into sub-folders but never out of its folder: a
// damaged or forged file must not make the game read or write elsewhere.

class Stringc;

class StoredName {
public:
    // False for a name with a ".." component, a leading '/' or '\', or a drive ("C:").
    static bool IsContained(const char* name);
    // As IsContained, with a message when it is refused.
    static bool Check(const Stringc& name);
};
