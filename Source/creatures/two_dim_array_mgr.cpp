#include "Source/creatures/two_dim_array_mgr.h"

#include "Library/core/struct.h"
#include "Library/core/tracked_new.h"
#include "Library/files/data_paths.h"
#include "Library/files/directory_list.h"
#include "Library/files/two_dim_array.h"

#include <memory>

TwoDimArray* g_lightToHitModTable = nullptr;
TwoDimArray* g_levelProgressionTable = nullptr;

namespace {

constexpr const char* kLightToHitModName = "LightToHitMod.2DA";
constexpr const char* kLevelProgressionName = "LevelProgression.2DA";

bool LoadTable(TwoDimArray*& table, const char* name) {
    table = NEW TwoDimArray;
    return table->Load(name);
}

} // namespace

bool TwoDimArrayMgr::LoadTables() {
    FreeTables();
    return LoadTable(g_lightToHitModTable, kLightToHitModName) &&
           LoadTable(g_levelProgressionTable, kLevelProgressionName);
}

void TwoDimArrayMgr::FreeTables() {
    ReleaseObject(g_lightToHitModTable);
    ReleaseObject(g_levelProgressionTable);
}

bool TwoDimArrayMgr::CheckAll(Stringc& failedName) {
    if (g_dataPaths == nullptr)
        return false;
    DirectoryList list;
    list.SetFilter("2da");
    const std::unique_ptr<Stringc> files =
        list.Scan(g_dataPaths->GetUncompiledDataDir() + "/2DArray");
    for (const Stringc* file = files.get(); file != nullptr; file = file->GetNext()) {
        TwoDimArray table;
        if (!table.Compile(file->c_str())) {
            failedName = *file;
            return false;
        }
    }
    return true;
}
