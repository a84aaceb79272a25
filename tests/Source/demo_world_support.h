#pragma once
// The demo world, built by the real builder into a scratch directory, for the tests that
// start the game on it.

#include <string>

namespace testsupport {

class DemoWorldDir {
public:
    DemoWorldDir(); // check Built()
    ~DemoWorldDir();
    DemoWorldDir(const DemoWorldDir&) = delete;
    DemoWorldDir& operator=(const DemoWorldDir&) = delete;

    bool Built() const { return m_built; }
    const std::string& Root() const { return m_root; }
    std::string Path(const std::string& relative) const { return m_root + "/" + relative; }
    std::string ReadFile(const std::string& relative) const;

private:
    std::string m_root;
    bool m_built = false;
};

} // namespace testsupport
