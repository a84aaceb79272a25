#pragma once
// The file operations of saved games: listing, copying, removing and renaming the working
// and slot files and the slot directories. The disk's by default; a test may fail any one.

#include "Library/core/stringc.h"

#include <vector>

class SaveFiles {
public:
    virtual ~SaveFiles() = default;

    // The full paths of the directory's files with the extension ("tmp"), sorted.
    virtual std::vector<Stringc> List(const Stringc& directory, const char* extension) const;
    virtual bool Exists(const Stringc& path) const;
    // Through a temporary beside the destination, renamed into place.
    virtual bool Copy(const Stringc& from, const Stringc& to);
    virtual bool Remove(const Stringc& path);
    virtual bool Rename(const Stringc& from, const Stringc& to); // files and directories
    virtual bool MakeDirectory(const Stringc& directory);
    // The directory's files, then the directory; true when it is gone.
    virtual bool RemoveDirectory(const Stringc& directory);
};
