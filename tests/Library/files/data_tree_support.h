#pragma once
// Data paths on a scratch data root for the loader and archive tests, and a reader of
// archive directories straight from the bytes.

#include "Library/core/test_stream_support.h"
#include "Library/files/data_paths.h"
#include "scratch_dir.h"

#include <string>
#include <utility>
#include <vector>

namespace testsupport {

// g_dataPaths on a fresh scratch root for the life of the object; g_generalRes cleared.
class ScopedDataRoot : public ScratchDir {
public:
    ScopedDataRoot();
    ~ScopedDataRoot();

    DataPaths& Paths() { return m_paths; }

private:
    DataPaths m_paths;
};

// The entry names of an archive file in directory order.
std::vector<std::string> ArchiveEntryNames(const std::string& archiveBytes);

// Writes an archive at path holding the entries (full file names and their bytes).
void WriteArchive(const std::string& path,
                  const std::vector<std::pair<std::string, std::string>>& entries);

} // namespace testsupport
