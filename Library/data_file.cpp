#include "Library/data_file.h"

#include "Library/file_stream.h"
#include "Library/game_mode.h"
#include "Library/mem_stream.h"
#include "Library/res_file_mgr.h"

#include <cstdio>

bool MakeDataFilePath(Stringc (GameMode::*directory)() const, const char* name,
                      const char* extension, Stringc& path) {
    if (g_gameMode == nullptr) {
        std::fprintf(stderr, "No game mode gives the data directory of %s\n", name);
        return false;
    }
    Stringc baseName(name);
    baseName.StripExtension();
    path = (g_gameMode->*directory)() + "/" + baseName + extension;
    return true;
}

Stringc DataFileName(const char* path) {
    if (g_gameMode != nullptr)
        return g_gameMode->MakePath(path);
    Stringc name(path);
    name.BackslashToSlash();
    name.ToLower();
    return name;
}

bool LoadDataFile(const char* path, ResFileMgr* archive, MemStream& target) {
    if (g_gameMode != nullptr && g_gameMode->GetUseResourceFiles()) {
        if (archive != nullptr && archive->Load(path, target) == ResFileMgr::kResOk)
            return true;
        std::fprintf(stderr, "%s cannot be loaded from the resource archive\n", path);
        return false;
    }
    FileStream file(path, kStreamReadBinary);
    if (file.IsOpen() && target.LoadAll(file))
        return true;
    std::fprintf(stderr, "Cannot read %s\n", path);
    return false;
}
