#include "Library/graphics/graphic.h"

#include "Library/files/data_file.h"
#include "Library/files/data_paths.h"
#include "Library/files/mem_stream.h"
#include "Library/files/res_file_mgr.h"

bool Graphic::Load(const char* name, bool encode) {
    return Load(g_dataPaths, g_generalRes, name, encode);
}

bool Graphic::Load(const DataPaths* paths, ResFileMgr* archive, const char* name, bool encode) {
    MemStream data(kStreamReadBinary);
    if (!LoadDataFile(paths, name, archive, data)) {
        Clear();
        return false;
    }
    if (!ReadFromStream(data, name, encode))
        return false;
    if (paths)
        SetFileName(paths->MakePath(name));
    return true;
}

bool Graphic::LoadTgaRegionNamed(const char* path, const Rect& rect) {
    if (!LoadTgaRegion(path, rect))
        return false;
    if (g_dataPaths)
        SetFileName(g_dataPaths->MakePath(path));
    return true;
}
