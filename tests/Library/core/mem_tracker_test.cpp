#include "Library/core/mem_tracker.h"

#include "Library/core/tracked_new.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <new>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

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

// The tracker writes its logs into the working directory: each test gets its own.
class MemTrackerFiles : public ::testing::Test {
protected:
    void SetUp() override {
        m_previous = fs::current_path();
        fs::current_path(m_dir.Root());
    }
    void TearDown() override { fs::current_path(m_previous); }

    // Runs the child program here; returns its exit status and standard output.
    static int RunChild(const char* mode, std::string* output) {
        const std::string command = std::string(TEST_CHILD_DIR) + "/mem_tracker_child " + mode;
        FILE* pipe = popen(command.c_str(), "r");
        char buffer[256];
        while (pipe && fgets(buffer, sizeof buffer, pipe))
            *output += buffer;
        return pipe ? pclose(pipe) : -1;
    }
    std::string ReadFile(const char* name) const { return m_dir.ReadFile(name); }

    testsupport::ScratchDir m_dir;
    fs::path m_previous;
};

TEST_F(MemTrackerFiles, LeakReportListsTheOneLiveBlockWithItsOwner) {
    std::string line;
    ASSERT_EQ(RunChild("leak", &line), 0);
    line.erase(line.find_last_not_of('\n') + 1);
    const std::string report = ReadFile("memleaks.log");

    EXPECT_NE(report.find("\r\n\r\n\r\n1 memory leak found:\r\n\r\nAlloc.   Addr"),
              std::string::npos);
    const size_t dashes = report.find("\r\n------ ");
    ASSERT_NE(dashes, std::string::npos) << report;
    const size_t rowStart = report.find("\r\n", dashes + 2) + 2;
    const std::string row = report.substr(rowStart);
    EXPECT_EQ(row.find_first_not_of("0123456789"), 6u) << row;
    EXPECT_EQ(row.substr(6, 3), " 0x");
    const std::string tail =
        " 0x0000002A 0x0000000A new[]       Y       N    mem_tracker_child.cpp(" + line +
        ")::?\?\r\n";
    ASSERT_GE(row.size(), tail.size());
    EXPECT_EQ(row.substr(row.size() - tail.size()), tail) << "one row only";
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
    MemAlwaysValidateAll() = true;
    TrackedCall();
    MemAlwaysValidateAll() = false;
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
    EXPECT_NE(log.find("While validting all allocation units, 2 allocation unit(s) were found "
                       "to have problems\r\n"),
              std::string::npos);
    DELETE[] overrun;
    DELETE[] underrun;
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
    DELETE[] block;
    EXPECT_FALSE(MemIsKnown(block));
}

TEST(MemTracker, ReallocationKeepsContentsAndZeroByteBlocksAreDistinct) {
    void* block = MemAllocate(__FILE__, __LINE__, "??", kAllocMalloc, 6);
    std::memcpy(block, "abcdef", 6);
    void* grown = MemReallocate(__FILE__, __LINE__, "??", kAllocRealloc, block, 900);
    EXPECT_EQ(std::memcmp(grown, "abcdef", 6), 0);
    void* zeroed = MemAllocate(__FILE__, __LINE__, "??", kAllocCalloc, 5);
    EXPECT_EQ(std::memcmp(zeroed, "\0\0\0\0\0", 5), 0);
    MemDeallocate(__FILE__, __LINE__, "??", kAllocFree, grown);
    MemDeallocate(__FILE__, __LINE__, "??", kAllocFree, zeroed);
    void* first = ::operator new(0);
    void* second = ::operator new[](0);
    EXPECT_NE(first, second);
    ::operator delete(first);
    ::operator delete[](second);
    EXPECT_TRUE(MemValidateAll());
}

// Every block stays findable while its table grows under it, old and new alike.
TEST(MemTracker, ManyLiveBlocksAreEachKnownAndReleased) {
    std::vector<void*> blocks(60000); // the table doubles several times
    const size_t before = MemGetStats().m_totalAllocUnitCount;
    for (size_t index = 0; index < blocks.size(); ++index)
        blocks[index] = MemAllocate(__FILE__, __LINE__, "??", kAllocMalloc, index % 48);
    EXPECT_EQ(MemGetStats().m_totalAllocUnitCount, before + blocks.size());
    EXPECT_TRUE(std::all_of(blocks.begin(), blocks.end(), MemIsKnown));
    EXPECT_TRUE(MemValidateAll());
    for (void* block : blocks)
        MemDeallocate(__FILE__, __LINE__, "??", kAllocFree, block);
    EXPECT_EQ(MemGetStats().m_totalAllocUnitCount, before);
    EXPECT_TRUE(std::none_of(blocks.begin(), blocks.end(), MemIsKnown));
    EXPECT_TRUE(MemValidateAll());
}

TEST(MemTracker, ExhaustedMemoryGoesThroughTheNewHandlerToBadAllocation) {
    static int handlerCalls;
    handlerCalls = 0;
    std::set_new_handler([] {
        if (++handlerCalls == 2)
            std::set_new_handler(nullptr);
    });
    volatile size_t huge = SIZE_MAX;
    EXPECT_THROW(static_cast<void>(::operator new(huge)), std::bad_alloc);
    EXPECT_EQ(handlerCalls, 2);
    EXPECT_EQ(::operator new[](huge, std::nothrow), nullptr);
    try {
        MemAllocate(__FILE__, __LINE__, "??", kAllocMalloc, huge);
        ADD_FAILURE() << "no exception";
    } catch (const char* message) {
        EXPECT_STREQ(message, "Request for allocation failed. Out of memory.");
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
