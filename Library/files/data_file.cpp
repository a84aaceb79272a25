#include "Library/files/data_file.h"

#include "Library/files/data_paths.h"
#include "Library/files/file_stream.h"
#include "Library/files/mem_stream.h"
#include "Library/files/res_file_mgr.h"

#include <cstdio>

bool MakeDataFilePath(const Stringc& (DataPaths::*directory)() const, const char* name,
                      const char* extension, Stringc& path) {
    if (g_dataPaths == nullptr) {
        std::fprintf(stderr, "No data paths give the directory of %s\n", name);
        return false;
    }
    Stringc baseName(name);
    baseName.StripExtension();
    path = (g_dataPaths->*directory)() + "/" + baseName + extension;
    return true;
}

Stringc DataFileName(const char* path) {
    if (g_dataPaths != nullptr)
        return g_dataPaths->MakePath(path);
    Stringc name(path);
    name.BackslashToSlash();
    name.ToLower();
    return name;
}

int DataFileNameStart(const char* path) {
    return g_dataPaths != nullptr ? g_dataPaths->RootPrefixLength(path) : 0;
}

bool LoadDataFile(const char* path, ResFileMgr* archive, MemStream& target) {
    return LoadDataFile(g_dataPaths, path, archive, target);
}

bool LoadDataFile(const DataPaths* paths, const char* path, ResFileMgr* archive,
                  MemStream& target) {
    if (paths != nullptr && paths->GetUseResourceFiles()) {
        // Named as these paths name it, whichever paths the archive would take.
        if (archive != nullptr &&
            archive->Load(paths->MakePath(path).c_str(), target) == ResFileMgr::kResOk)
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
