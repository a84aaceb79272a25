#pragma once
// A scratch directory under /tmp for one test, removed with everything in it.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <unistd.h>

namespace testsupport {

class ScratchDir {
public:
    ScratchDir() {
        char pattern[] = "/tmp/testsXXXXXX";
        if (::mkdtemp(pattern) != nullptr)
            m_root = pattern;
    }
    ~ScratchDir() {
        std::error_code ignored;
        if (!m_root.empty())
            std::filesystem::remove_all(m_root, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Root() const { return m_root; }
    std::string Path(const std::string& relative) const { return m_root + "/" + relative; }
    // Writes the file, making its directories.
    void WriteFile(const std::string& relative, const std::string& bytes) const {
        std::filesystem::create_directories(std::filesystem::path(Path(relative)).parent_path());
        std::ofstream(Path(relative), std::ios::binary) << bytes;
    }
    std::string ReadFile(const std::string& relative) const {
        std::ifstream in(Path(relative), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::string m_root;
};

} // namespace testsupport
