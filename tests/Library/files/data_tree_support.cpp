#include "data_tree_support.h"

#include "Library/files/res_file_mgr.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace testsupport {

ScopedDataRoot::ScopedDataRoot() : m_paths(Root().c_str()) {
    g_dataPaths = &m_paths;
    g_generalRes = nullptr;
}

ScopedDataRoot::~ScopedDataRoot() {
    g_dataPaths = nullptr;
    g_generalRes = nullptr;
}

std::vector<std::string> ArchiveEntryNames(const std::string& bytes) {
    const auto u32At = [&bytes](size_t at) {
        uint32_t value = 0;
        if (at + 4 <= bytes.size())
            std::memcpy(&value, bytes.data() + at, 4);
        return value;
    };
    std::vector<std::string> names;
    if (bytes.size() < 8)
        return names;
    size_t at = u32At(bytes.size() - 4);
    const uint32_t count = u32At(at);
    at += 4;
    for (uint32_t entry = 0; entry < count && at + 2 <= bytes.size(); ++entry) {
        uint16_t length = 0;
        std::memcpy(&length, bytes.data() + at, 2);
        names.emplace_back(bytes.data() + at + 2, length > 0 ? length - 1 : 0);
        at += 2 + length + 4;
    }
    return names;
}

void WriteArchive(const std::string& path,
                  const std::vector<std::pair<std::string, std::string>>& entries) {
    ResFileMgr archive;
    ASSERT_TRUE(archive.Open(path.c_str(), ResFileMgr::kWrite));
    for (const auto& [name, bytes] : entries)
        ASSERT_EQ(archive.Store(name.c_str(), *ReadableStream(bytes)), ResFileMgr::kResOk) << name;
    ASSERT_TRUE(archive.WriteDirectory());
}

} // namespace testsupport
