#pragma once
// Packs the loose files of the data tree (of g_dataPaths) into the resource archives. An
// archive appears only when whole, and an archive that exists already is kept as it is.

#include "Library/core/stringc.h"

#include <vector>

class ResFileMgr;

class ResFileBuilder {
public:
    struct Source {
        Stringc directory;
        const char* extension;
    };

    virtual ~ResFileBuilder() = default;

    bool Build();           // "general.rsc": pictures, tables, definitions, maps, scripts, sound
    bool BuildAnimations(); // "animation.rsc": every ".ani" under the animation directory
    // Every file of the extension in the directory tree, sub-directories first, stored under
    // its path. False, with a message, at the first file that cannot be read or stored.
    static bool AddDirectory(ResFileMgr& archive, const Stringc& directory, const char* extension);
    // The archive at path from the sources in order; true at once when it exists.
    static bool BuildArchive(const Stringc& path, const std::vector<Source>& sources);

private:
    static bool AddTree(ResFileMgr& archive, const Stringc& directory, const char* extension,
                        int depth);
};
