#pragma once
// The demo world, built by the real builder into a scratch directory, for the tests that
// start the game on it or read what it holds.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace testsupport {

class DemoWorldDir {
public:
    DemoWorldDir() {
        char pattern[] = "/tmp/demoworldXXXXXX";
        if (!::mkdtemp(pattern))
            return;
        m_root = pattern;
        const std::string command =
            std::string(TEST_BIN_DIR) + "/demoworld " + m_root + " > /dev/null";
        m_built = std::system(command.c_str()) == 0;
    }
    ~DemoWorldDir() {
        if (!m_root.empty())
            std::filesystem::remove_all(m_root);
    }
    DemoWorldDir(const DemoWorldDir&) = delete;
    DemoWorldDir& operator=(const DemoWorldDir&) = delete;

    bool Built() const { return m_built; }
    const std::string& Root() const { return m_root; }
    std::string Path(const std::string& relative) const { return m_root + "/" + relative; }
    std::string ReadFile(const std::string& relative) const {
        std::ifstream file(Path(relative), std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

private:
    std::string m_root;
    bool m_built = false;
};

} // namespace testsupport
