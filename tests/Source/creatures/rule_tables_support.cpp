#include "rule_tables_support.h"

#include "Library/core/stringc.h"
#include "Source/creatures/two_dim_array_mgr.h"

#include <filesystem>

namespace testsupport {

ScopedRuleTables::ScopedRuleTables() : m_paths(Root().c_str()) {
    g_dataPaths = &m_paths;
    std::string levels = "Levels table v1\nXP_REQUIRED\n";
    for (int level = 1; level <= 21; ++level)
        levels += std::to_string(level) + " " + std::to_string(TableXp(level)) + "\n";
    levels += "22+ " + std::to_string(kLaterStep) + "\n";
    WriteFile("uncompiled/data/2DArray/LevelProgression.2da", levels);
    WriteFile("uncompiled/data/2DArray/LightToHitMod.2da", "Light table v1\nMOD\nDARK -5\n");
    std::filesystem::create_directories(Path("Data/2DArray"));
    Stringc failed;
    m_loaded = TwoDimArrayMgr::CheckAll(failed) && TwoDimArrayMgr::LoadTables();
}

ScopedRuleTables::~ScopedRuleTables() {
    TwoDimArrayMgr::FreeTables();
    g_dataPaths = nullptr;
}

} // namespace testsupport
