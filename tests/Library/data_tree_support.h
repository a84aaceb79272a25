#pragma once
// A game mode on a scratch data root for the loader and archive tests, and helpers that
// lay out files in it and read archives back.

#include "Library/game_mode.h"
#include "stream_support.h"

#include <string>
#include <vector>

namespace testsupport {

// g_gameMode on a fresh scratch root for the life of the object; g_generalRes cleared.
class ScopedDataRoot {
public:
    ScopedDataRoot();
    ~ScopedDataRoot();
    ScopedDataRoot(const ScopedDataRoot&) = delete;
    ScopedDataRoot& operator=(const ScopedDataRoot&) = delete;

    const std::string& Root() const { return m_dir.Root(); }
    std::string Path(const std::string& relative) const { return m_dir.Path(relative); }
    GameMode& Mode() { return m_gameMode; }
    // Writes the file, making its directories.
    void WriteFile(const std::string& relative, const std::string& bytes) const;
    std::string ReadFile(const std::string& relative) const { return m_dir.ReadFile(relative); }

private:
    ScratchDir m_dir;
    GameMode m_gameMode;
};

// The entry names of an archive file in directory order, parsed straight from its bytes.
std::vector<std::string> ArchiveEntryNames(const std::string& archiveBytes);

} // namespace testsupport
