#include "tools/writtenfiles/written_files.h"

#include "platform/case_path.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace {

// FNV-1a over the file's bytes; false when it cannot be read.
bool HashFile(const std::string& path, uint64_t& hash) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    hash = 14695981039346656037ull;
    for (auto byte = std::istreambuf_iterator<char>(file); byte != std::istreambuf_iterator<char>();
         ++byte)
        hash = (hash ^ static_cast<unsigned char>(*byte)) * 1099511628211ull;
    return !file.bad();
}

} // namespace

WrittenFiles& WrittenFiles::Demo() {
    static WrittenFiles s_files;
    return s_files;
}

std::string WrittenFiles::Key(const Stringc& path) {
    std::error_code error;
    const std::filesystem::path resolved = platform::ResolvePath(path.c_str());
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(resolved, error);
    return error ? resolved.lexically_normal().string() : canonical.string();
}

bool WrittenFiles::Record(const Stringc& path) {
    const std::string key = Key(path);
    uint64_t hash = 0;
    if (!HashFile(key, hash)) {
        std::fprintf(stderr, "demoworld: cannot read back %s\n", path.c_str());
        return false;
    }
    const auto [recorded, added] = m_hashes.emplace(key, hash);
    if (!added && recorded->second != hash) {
        std::fprintf(stderr, "demoworld: %s written twice with different contents\n", path.c_str());
        return false;
    }
    return true;
}

std::vector<std::string> WrittenFiles::Unrecorded(const Stringc& root) const {
    std::vector<std::string> unrecorded;
    std::error_code error;
    for (auto entry = std::filesystem::recursive_directory_iterator(Key(root), error);
         !error && entry != std::filesystem::recursive_directory_iterator();
         entry.increment(error)) {
        if (entry->is_regular_file(error) && m_hashes.count(Key(entry->path().c_str())) == 0)
            unrecorded.push_back(entry->path().string());
    }
    std::sort(unrecorded.begin(), unrecorded.end());
    return unrecorded;
}
