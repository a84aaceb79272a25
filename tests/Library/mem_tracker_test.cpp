#include "Library/mem_tracker.h"

#include "Library/tracked_new.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Damages a guard byte on purpose; AddressSanitizer would stop the write otherwise.
__attribute__((noinline, no_sanitize("address"))) void PokeByte(char* block,
                                                                std::ptrdiff_t offset) {
    block[offset] = 'x';
}

// One tracked allocation and release that the optimiser cannot drop.
void TrackedCall() {
    int* probe = NEW int(0);
    EXPECT_TRUE(MemIsKnown(probe));
    DELETE probe;
}

class ScopedOption {
public:
    ScopedOption(bool& option, bool value) : m_option(option), m_saved(option) { option = value; }
    ~ScopedOption() { m_option = m_saved; }

private:
    bool& m_option;
    bool m_saved;
};

// The tracker writes its logs into the working directory: each test gets its own.
class MemTrackerFiles : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/mem_tracker_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        m_previous = fs::current_path();
        fs::current_path(m_dir);
    }
    void TearDown() override {
        fs::current_path(m_previous);
        fs::remove_all(m_dir);
    }

    // Runs the child program here; returns its exit status and standard output.
    int RunChild(const char* mode, std::string* output) const {
        const std::string command = std::string(TEST_CHILD_DIR) + "/mem_tracker_child " + mode;
        FILE* pipe = popen(command.c_str(), "r");
        char buffer[256];
        while (pipe && fgets(buffer, sizeof buffer, pipe)) {
            *output += buffer;
        }
        return pipe ? pclose(pipe) : -1;
    }

    fs::path m_dir;
    fs::path m_previous;
};

TEST_F(MemTrackerFiles, LeakReportListsTheOneLiveBlockWithItsOwner) {
    std::string line;
    ASSERT_EQ(RunChild("leak", &line), 0);
    line.erase(line.find_last_not_of('\n') + 1);
    const std::string report = ReadFile("memleaks.log");

    EXPECT_NE(report.find("|                                          Memory leak report for:  "),
              std::string::npos);
    EXPECT_NE(report.find("\r\n\r\n\r\n1 memory leak found:\r\n\r\nAlloc.   Addr"),
              std::string::npos);
    const size_t dashes = report.find("\r\n------ ");
    ASSERT_NE(dashes, std::string::npos) << report;
    const size_t rowStart = report.find("\r\n", dashes + 2) + 2;
    const std::string row = report.substr(rowStart, report.find("\r\n", rowStart) + 2 - rowStart);
    EXPECT_EQ(row.find_first_not_of("0123456789"), 6u) << row;
    const std::string tail =
        " 0x0000002A 0x0000000A new[]       Y       N    mem_tracker_child.cpp(" + line +
        ")::?\?\r\n";
    EXPECT_EQ(row.substr(row.size() - std::min(row.size(), tail.size())), tail);
    EXPECT_EQ(row.substr(6, 3), " 0x");
    EXPECT_NE(row.find(" 0x0000000A 0x"), std::string::npos);
    EXPECT_EQ(report.size(), rowStart + row.size()) << "one row only";
    EXPECT_EQ(report.find("Congratulations"), std::string::npos);
}

TEST_F(MemTrackerFiles, CleanRunCongratulatesAndStillAllocatesAfterTheExitHook) {
    std::string output;
    ASSERT_EQ(RunChild("clean", &output), 0);
    EXPECT_EQ(output, "allocated after exit hook\n");
    const std::string report = ReadFile("memleaks.log");
    EXPECT_NE(report.find("\r\n\r\n\r\nCongratulations! No memory leaks found!\r\n\r\n"),
              std::string::npos);
    EXPECT_EQ(report.find("found:"), std::string::npos);
}

TEST_F(MemTrackerFiles, GuardDamageIsLoggedOnlyWhileValidating) {
    char* overrun = NEW char[8];
    char* underrun = NEW char[3];
    PokeByte(overrun, 8);
    PokeByte(underrun, -1);
    TrackedCall();
    EXPECT_FALSE(fs::exists("memory.log"));
    {
        const ScopedOption validate(MemAlwaysValidateAll(), true);
        TrackedCall();
    }
    EXPECT_FALSE(MemValidateAll());
    const std::string log = ReadFile("memory.log");
    char address[32];
    snprintf(address, sizeof address, "0x%08" PRIXPTR, reinterpret_cast<uintptr_t>(overrun));
    EXPECT_NE(log.find(std::string("A memory allocation unit was corrupt because of an overrun:\r\n"
                                   "  Address (reported): ") +
                       address + "\r\n"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("A memory allocation unit was corrupt because of an underrun:\r\n"),
              std::string::npos);
    EXPECT_NE(log.find("  Size (reported)   : 0x00000003 (         3 bytes     )\r\n"
                       "  Size (actual)     : 0x00000023 (        35 bytes     )\r\n"
                       "  Owner             : mem_tracker_test.cpp("),
              std::string::npos);
    EXPECT_NE(log.find("While validting all allocation units, 2 allocation unit(s) were found "
                       "to have problems\r\n"),
              std::string::npos);
    DELETE[] overrun;
    DELETE[] underrun;
}

TEST_F(MemTrackerFiles, LoggingNamesEachCallAndItsOwner) {
    const ScopedOption log(MemAlwaysLogAll(), true);
    const int line = __LINE__ + 1;
    int* owned = NEW int(1);
    int* anonymous = new int(2);
    ASSERT_TRUE(MemIsKnown(owned) && MemIsKnown(anonymous));
    void* big = MemAllocate("dir\\big.cpp", 7, "Load", kAllocMalloc, 1234567);
    void* middle = MemAllocate(nullptr, 0, nullptr, kAllocCalloc, 2048);
    DELETE owned;
    MemDeallocate("big.cpp", 9, "??", kAllocFree, big);
    MemDeallocate("big.cpp", 9, "??", kAllocFree, middle);
    delete anonymous;

    const std::string text = ReadFile("memory.log");
    char owner[64];
    snprintf(owner, sizeof owner, "mem_tracker_test.cpp(%05d)::??", line);
    EXPECT_NE(text.find(std::string(owner) + std::string(40 - strlen(owner), ' ') +
                        "      new            :          4 bytes     \r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("?\?(00000)::?\?                                 new"), std::string::npos);
    EXPECT_NE(text.find("big.cpp(00007)::Load"), std::string::npos);
    EXPECT_NE(text.find(":  1,234,567 (   1.18M)\r\n"), std::string::npos);
    EXPECT_NE(text.find(":      2,048 (   2.00K)\r\n"), std::string::npos);
    EXPECT_NE(text.find("\n      mem_tracker_test.cpp("), std::string::npos);
    EXPECT_NE(text.find("  delete(0x"), std::string::npos);
    EXPECT_NE(text.find(std::string(65, ' ') + "OK: 0x"), std::string::npos);
}

TEST_F(MemTrackerFiles, ReleasingAnUnknownAddressThrowsAndDeleteAborts) {
    char* block = NEW char[4];
    volatile std::ptrdiff_t offset = 1; // keeps the compiler from flagging the bad delete
    char* inside = block + offset;
    const auto messageOf = [](auto call) -> std::string {
        try {
            call();
        } catch (const char* message) {
            return message;
        }
        return "no exception";
    };
    EXPECT_EQ(messageOf([&] { MemDeallocate(__FILE__, __LINE__, "??", kAllocDelete, inside); }),
              "Request to deallocate RAM that was never allocated");
    EXPECT_EQ(messageOf([&] { MemReallocate(__FILE__, __LINE__, "??", kAllocRealloc, inside, 8); }),
              "Request to reallocate RAM that was never allocated");
    EXPECT_DEATH(::operator delete[](inside), "Request to deallocate RAM that was never allocated");
    EXPECT_TRUE(MemIsKnown(block));
    DELETE[] block;
    EXPECT_FALSE(MemIsKnown(block));
}

TEST(MemTracker, ZeroByteNewGivesDistinctOneByteBlocks) {
    const MemStats before = MemGetStats();
    void* first = ::operator new(0);
    void* second = ::operator new[](0);
    const MemStats during = MemGetStats();
    EXPECT_NE(first, second);
    EXPECT_TRUE(MemIsKnown(first) && MemIsKnown(second));
    EXPECT_EQ(during.m_totalReportedMemory - before.m_totalReportedMemory, 2u);
    EXPECT_EQ(during.m_totalActualMemory - before.m_totalActualMemory, 2u * 33);
    ::operator delete(first);
    ::operator delete[](second);
}

TEST(MemTracker, StatisticsFollowCurrentAndPeakUse) {
    const MemStats before = MemGetStats();
    char* large = NEW char[1000];
    char* small = NEW char[10];
    ASSERT_TRUE(MemIsKnown(large) && MemIsKnown(small));
    DELETE[] large;
    const MemStats after = MemGetStats();
    DELETE[] small;
    EXPECT_EQ(after.m_totalReportedMemory, before.m_totalReportedMemory + 10);
    EXPECT_EQ(after.m_totalAllocUnitCount, before.m_totalAllocUnitCount + 1);
    EXPECT_GE(after.m_peakReportedMemory, before.m_totalReportedMemory + 1010);
    EXPECT_GE(after.m_peakAllocUnitCount, before.m_totalAllocUnitCount + 2);
    EXPECT_EQ(after.m_accumulatedReportedMemory, before.m_accumulatedReportedMemory + 1010);
    EXPECT_EQ(after.m_allocationCount, before.m_allocationCount + 2);
    EXPECT_EQ(MemGetStats().m_totalReportedMemory, before.m_totalReportedMemory);
}

TEST(MemTracker, BlocksAreFilledWithPatternsAndReallocationKeepsContents) {
    const auto bytes = [](void* block) { return static_cast<unsigned char*>(block); };
    void* fresh = MemAllocate(__FILE__, __LINE__, "??", kAllocMalloc, 6);
    const unsigned char fill[] = {0xCE, 0xFA, 0xED, 0xFE, 0xCE, 0xFA};
    EXPECT_EQ(memcmp(fresh, fill, sizeof fill), 0);
    bytes(fresh)[0] = 7;
    void* grown = MemReallocate(__FILE__, __LINE__, "??", kAllocRealloc, fresh, 9);
    const unsigned char kept[] = {7, 0xFA, 0xED, 0xFE, 0xCE, 0xFA, 0xCE, 0xFA, 0xED};
    EXPECT_EQ(memcmp(grown, kept, sizeof kept), 0);
    EXPECT_TRUE(MemValidateAll());

    void* zeroed = MemAllocate(__FILE__, __LINE__, "??", kAllocCalloc, 5);
    EXPECT_EQ(memcmp(zeroed, "\0\0\0\0\0", 5), 0);
    MemDeallocate(__FILE__, __LINE__, "??", kAllocFree, grown);
    MemDeallocate(__FILE__, __LINE__, "??", kAllocFree, zeroed);
    EXPECT_TRUE(MemValidateAll());
}

TEST(MemTracker, ExhaustedMemoryGoesThroughTheNewHandlerToBadAllocation) {
    static int handlerCalls;
    handlerCalls = 0;
    std::set_new_handler([] {
        if (++handlerCalls == 2) {
            std::set_new_handler(nullptr);
        }
    });
    volatile size_t huge = SIZE_MAX;
    try {
        static_cast<void>(::operator new(huge));
        ADD_FAILURE() << "no exception";
    } catch (const std::bad_alloc& failure) {
        EXPECT_STREQ(failure.what(), "bad allocation");
    }
    EXPECT_EQ(handlerCalls, 2);
    EXPECT_EQ(::operator new[](huge, std::nothrow), nullptr);
    try {
        MemAllocate(__FILE__, __LINE__, "??", kAllocMalloc, huge);
        ADD_FAILURE() << "no exception";
    } catch (const char* message) {
        EXPECT_STREQ(message, "Request for allocation failed. Out of memory.");
    }
}

TEST_F(MemTrackerFiles, StatisticsReportAppendsUnlessOverwriting) {
    MemDumpReport("report.txt", true);
    MemDumpReport("report.txt", false);
    const std::string twice = ReadFile("report.txt");
    MemDumpReport("report.txt", true);
    const std::string once = ReadFile("report.txt");
    EXPECT_EQ(twice.size(), 2 * once.size());
    for (const char* section :
         {"Memory report for: ", "T O T A L S", "P E A K S", "A C C U M U L A T E D", "U N U S E D",
          "Memory allocated but not in use: "}) {
        EXPECT_NE(once.find(section), std::string::npos) << section;
    }
}

#if defined(__SANITIZE_ADDRESS__)
TEST(MemTracker, AddressSanitizerStopsWritesIntoTheGuards) {
    char* block = NEW char[8];
    char* volatile hidden = block; // out of the undefined-behaviour checker's sight
    EXPECT_DEATH(hidden[8] = 'x', "use-after-poison");
    DELETE[] block;
}
#endif

} // namespace
