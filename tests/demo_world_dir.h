#pragma once
// The demo world, built by the real builder into a scratch directory, for the tests that
// start the game on it or read what it holds.

#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace testsupport {

class DemoWorldDir : public ScratchDir {
public:
    DemoWorldDir() {
        const std::string command =
            std::string(TEST_BIN_DIR) + "/demoworld " + Root() + " > /dev/null";
        m_built = !Root().empty() && std::system(command.c_str()) == 0;
    }

    bool Built() const { return m_built; }

private:
    bool m_built = false;
};

// A test suite whose tests share one demo world, built before the first of them.
class DemoWorldSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_world = new DemoWorldDir; }
    static void TearDownTestSuite() {
        delete s_world;
        s_world = nullptr;
    }
    static DemoWorldDir& World() { return *s_world; }

private:
    static inline DemoWorldDir* s_world = nullptr;
};

} // namespace testsupport
