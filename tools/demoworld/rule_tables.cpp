#include "tools/demoworld/rule_tables.h"

#include "Library/core/stringc.h"
#include "Library/files/data_paths.h"
#include "Library/files/directory_list.h"
#include "Library/files/file_stream.h"
#include "Source/creatures/game_rules.h"
#include "Source/creatures/two_dim_array_mgr.h"
#include "tools/demoworld/demo_output.h"
#include "tools/writtenfiles/written_files.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string LevelProgressionText() {
    std::string text = "Level progression v1\nXP_REQUIRED\n";
    for (int level = 1; level <= GameRules::kMaxLevelRow; ++level) {
        text += std::to_string(level) + " " +
                std::to_string(RuleTables::kLevelStep * (level - 1) * level / 2) + "\n";
    }
    return text + "22+ " + std::to_string(RuleTables::kLaterLevelStep) + "\n";
}

constexpr const char* kLightToHitModText = "Light to_hit v1\n"
                                           "TO_HIT_MOD\n"
                                           "DARK -20\n"
                                           "DIM -10\n"
                                           "NORMAL 0\n"
                                           "BRIGHT 5\n";

} // namespace

// Each table's text, then all of them compiled where the game reads them.
bool RuleTables::Write() const {
    const char* const tables[] = {"LevelProgression", "LightToHitMod"};
    if (!WriteText(tables[0], LevelProgressionText().c_str()) ||
        !WriteText(tables[1], kLightToHitModText))
        return false;
    Stringc failed;
    if (!MakeDirectories(m_paths.Get2DArrayDir() + "/") || !TwoDimArrayMgr::CheckAll(failed)) {
        std::fprintf(stderr, "demoworld: the rule table %s does not compile\n", failed.c_str());
        return false;
    }
    for (const char* table : tables)
        if (!WrittenFiles::Demo().Record(m_paths.Get2DArrayDir() + "/" + table + ".dat"))
            return false;
    return true;
}

bool RuleTables::WriteText(const char* name, const char* text) const {
    const Stringc path = m_paths.GetUncompiledDataDir() + "/2DArray/" + name + ".2da";
    return WriteDemoFile(path, [text](Stream& file) {
        return file.Write(text, static_cast<int>(std::strlen(text))) == kStreamOk;
    });
}
