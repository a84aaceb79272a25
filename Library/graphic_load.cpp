#include "Library/graphic.h"

#include "Library/data_file.h"
#include "Library/game_mode.h"
#include "Library/mem_stream.h"
#include "Library/res_file_mgr.h"

bool Graphic::Load(const char* name, bool encode) {
    MemStream data(kStreamReadBinary);
    if (!LoadDataFile(name, g_generalRes, data)) {
        Clear();
        return false;
    }
    if (!ReadFromStream(data, name, encode))
        return false;
    if (g_gameMode)
        SetFileName(g_gameMode->MakePath(name));
    return true;
}

bool Graphic::LoadTgaRegionNamed(const char* path, const Rect& rect) {
    if (!LoadTgaRegion(path, rect))
        return false;
    if (g_gameMode)
        SetFileName(g_gameMode->MakePath(path));
    return true;
}
