#pragma once
// The rule tables as an author makes them: text tables written into a scratch data root,
// compiled and loaded, for the life of the object.

#include "Library/files/data_paths.h"
#include "scratch_dir.h"

#include <string>

namespace testsupport {

class ScopedRuleTables : public ScratchDir {
public:
    // Level n needs 100 x n x n experience up to 21; each later level 5000 more.
    static int TableXp(int level) { return 100 * level * level; }
    static constexpr int kLaterStep = 5000;

    ScopedRuleTables();
    ~ScopedRuleTables();

    bool Loaded() const { return m_loaded; }

private:
    DataPaths m_paths;
    bool m_loaded = false;
};

} // namespace testsupport
