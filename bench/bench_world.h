#pragma once
// The demo world, built by the builder beside the benchmark programs' directory into a
// scratch directory removed afterwards.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

class BenchWorld {
public:
    BenchWorld() {
        char pattern[] = "/tmp/benchworldXXXXXX";
        m_root = ::mkdtemp(pattern) ? pattern : "";
        const std::filesystem::path builder =
            std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() /
            "demoworld";
        const std::string command = builder.string() + " " + m_root + " > /dev/null";
        m_built = !m_root.empty() && std::system(command.c_str()) == 0;
    }
    ~BenchWorld() {
        if (!m_root.empty())
            std::filesystem::remove_all(m_root);
    }
    BenchWorld(const BenchWorld&) = delete;
    BenchWorld& operator=(const BenchWorld&) = delete;

    bool Built() const { return m_built; }
    const std::string& Root() const { return m_root; }

private:
    std::string m_root;
    bool m_built = false;
};
