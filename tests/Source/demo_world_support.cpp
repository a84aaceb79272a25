#include "demo_world_support.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace testsupport {

DemoWorldDir::DemoWorldDir() {
    char pattern[] = "/tmp/demoworldXXXXXX";
    if (!::mkdtemp(pattern))
        return;
    m_root = pattern;
    const std::string command = std::string(TEST_BIN_DIR) + "/demoworld " + m_root + " > /dev/null";
    m_built = std::system(command.c_str()) == 0;
}

DemoWorldDir::~DemoWorldDir() {
    if (!m_root.empty())
        std::filesystem::remove_all(m_root);
}

std::string DemoWorldDir::ReadFile(const std::string& relative) const {
    std::ifstream file(Path(relative), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace testsupport
