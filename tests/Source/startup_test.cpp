// The game started as its own process on the demo world, headless.
#include "demo_world_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;

class StartUp : public ::testing::Test {
protected:
    void SetUp() override { NewWorld(); }
    void NewWorld() {
        m_world = std::make_unique<testsupport::DemoWorldDir>();
        ASSERT_TRUE(m_world->Built());
    }
    void TearDown() override {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }

    void Start() {
        m_pid = ::fork();
        ASSERT_GE(m_pid, 0);
        if (m_pid == 0) {
            const int err =
                ::open(m_world->Path("stderr.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int out = ::open("/dev/null", O_WRONLY);
            if (::chdir(m_world->Root().c_str()) != 0 || err < 0 || out < 0)
                ::_exit(126);
            ::dup2(out, 1);
            ::dup2(err, 2);
            ::setenv("SDL_VIDEODRIVER", "dummy", 1);
            ::setenv("SDL_AUDIODRIVER", "dummy", 1);
            const std::string program = std::string(TEST_BIN_DIR) + "/vaultane";
            ::execl(program.c_str(), "vaultane", static_cast<char*>(nullptr));
            ::_exit(127);
        }
    }

    // The exit status once the game has ended, within the time; -1 when it has not.
    int WaitForExit(std::chrono::milliseconds limit) {
        for (auto waited = 0ms; waited < limit; waited += 10ms) {
            int status = 0;
            if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_pid = -1;
                return status;
            }
            std::this_thread::sleep_for(10ms);
        }
        return -1;
    }

    bool WaitForStderr(const std::string& text, std::chrono::milliseconds limit) const {
        for (auto waited = 0ms; waited < limit; waited += 10ms) {
            if (m_world->ReadFile("stderr.txt").find(text) != std::string::npos)
                return true;
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }

    // The start-up progress lines, in the order written.
    std::vector<std::string> ProgressLines() const {
        std::istringstream text(m_world->ReadFile("stderr.txt"));
        std::vector<std::string> lines;
        for (std::string line; std::getline(text, line);) {
            if (line.rfind("*debug* ", 0) == 0)
                lines.push_back(line);
        }
        return lines;
    }

    std::string LastLine() const {
        std::istringstream text(m_world->ReadFile("stderr.txt"));
        std::string last;
        for (std::string line; std::getline(text, line);)
            last = line;
        return last;
    }

    static std::vector<std::string> ProgressUpTo(int last) {
        std::vector<std::string> lines;
        for (int step = 1; step <= last; ++step)
            lines.push_back("*debug* " + std::to_string(step));
        return lines;
    }

    std::unique_ptr<testsupport::DemoWorldDir> m_world;
    pid_t m_pid = -1;
};

TEST_F(StartUp, RunsUntilSigtermThenShutsDownWithoutLeaks) {
    Start();
    ASSERT_TRUE(WaitForStderr("*debug* 8", 20000ms)) << m_world->ReadFile("stderr.txt");
    std::this_thread::sleep_for(200ms); // into the main loop
    ASSERT_EQ(::kill(m_pid, SIGTERM), 0);
    const int status = WaitForExit(20000ms);
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ProgressLines(), ProgressUpTo(8));
    EXPECT_NE(m_world->ReadFile("memleaks.log").find("Congratulations! No memory leaks found!"),
              std::string::npos);
}

TEST_F(StartUp, AMissingOrDamagedArchiveStopsAtItsStepWithAFailure) {
    struct Case {
        const char* archive;
        bool truncate; // else removed
        int lastStep;
    };
    for (const Case& c : {Case{"general.rsc", true, 5}, Case{"general.rsc", false, 5},
                          Case{"animation.rsc", false, 6}}) {
        SCOPED_TRACE(std::string(c.archive) + (c.truncate ? " truncated" : " missing"));
        NewWorld();
        const std::string path = m_world->Path(c.archive);
        if (c.truncate)
            std::filesystem::resize_file(path, std::filesystem::file_size(path) / 2);
        else
            std::filesystem::remove(path);
        Start();
        const int status = WaitForExit(20000ms);
        ASSERT_TRUE(WIFEXITED(status)) << "status " << status; // no crash, no hang
        EXPECT_NE(WEXITSTATUS(status), 0);
        EXPECT_EQ(ProgressLines(), ProgressUpTo(c.lastStep));
        EXPECT_EQ(LastLine(), ProgressUpTo(c.lastStep).back()); // the archive says nothing
    }
}

} // namespace
