#pragma once
// The demo world for the tests that start the game on it or read what it holds. The real
// builder writes it once per test run into the build tree (the run's setup test does, or the
// first test program that finds it missing or older than the builder); each test works on its
// own copy, so what one test writes no other test sees.

#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace testsupport {

class DemoWorldDir : public ScratchDir {
public:
    DemoWorldDir() {
        std::error_code failed;
        m_built = !Root().empty() && MasterReady() &&
                  (std::filesystem::copy(kMaster, Root(), std::filesystem::copy_options::recursive,
                                         failed),
                   !failed);
    }

    bool Built() const { return m_built; }

private:
    static constexpr const char* kMaster = TEST_DEMO_WORLD_DIR;
    static constexpr const char* kBuilder = TEST_BIN_DIR "/demoworld";

    static bool MasterFresh() {
        std::error_code failed;
        const auto built = std::filesystem::last_write_time(kMaster, failed);
        if (failed)
            return false;
        const auto builder = std::filesystem::last_write_time(kBuilder, failed);
        return !failed && built >= builder;
    }

    // Builds the master under a lock when it is missing or stale, so that test programs run
    // side by side build it once and never read it half written.
    static bool MasterReady() {
        const std::string lockPath = std::string(kMaster) + ".lock";
        const int lock = ::open(lockPath.c_str(), O_CREAT | O_RDWR, 0644);
        if (lock < 0 || ::flock(lock, LOCK_EX) != 0) {
            if (lock >= 0)
                ::close(lock);
            return false;
        }
        bool ready = MasterFresh();
        if (!ready) {
            const std::string part = std::string(kMaster) + ".part";
            std::error_code ignored;
            std::filesystem::remove_all(part, ignored);
            const std::string command = std::string(kBuilder) + " " + part + " > /dev/null";
            std::filesystem::remove_all(kMaster, ignored);
            ready = std::system(command.c_str()) == 0 &&
                    (std::filesystem::rename(part, kMaster, ignored), !ignored);
        }
        ::close(lock);
        return ready;
    }

    bool m_built = false;
};

// A test suite whose tests share one copy of the demo world, made before the first of them.
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
