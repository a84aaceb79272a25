#include "Library/core/test_stream_support.h"
#include "Library/scripts/global_mgr.h"
#include "Library/scripts/global_timer_table.h"

#include <gtest/gtest.h>

namespace {

// Quest/Door = 5, then quest/Gold = -2.
const Bytes kTwoEntries = {
    0x02, 0x00, 0x00, 0x00,                       // count
    0x06, 0x00, 'Q',  'u',  'e', 's', 't',  0x00, // scope
    0x05, 0x00, 'D',  'o',  'o', 'r', 0x00,       // name
    0x05, 0x00, 0x00, 0x00,                       // value
    0x06, 0x00, 'q',  'u',  'e', 's', 't',  0x00, // scope
    0x05, 0x00, 'G',  'o',  'l', 'd', 0x00,       // name
    0xFE, 0xFF, 0xFF, 0xFF,                       // value
};

Bytes Saved(const GlobalMgr& globals) {
    return WrittenBy([&](Stream& stream) { return globals.Save(stream); });
}

Bytes Saved(const GlobalTimerTable& timers) {
    return WrittenBy([&](Stream& stream) { return timers.WriteCounter(stream); });
}

void DeclareTwo(GlobalMgr& globals) {
    globals.Declare("Quest", "Door");
    globals.Declare("quest", "Gold");
    globals.Set("Quest", "Door", 5);
    globals.Set("quest", "Gold", -2);
}

TEST(GlobalMgr, VariablesAreDeclaredBeforeUseAndNamedWithoutCase) {
    GlobalMgr globals;
    EXPECT_FALSE(globals.Set("Quest", "Door", 1));
    EXPECT_FALSE(globals.Add("Quest", "Door", 1));
    EXPECT_FALSE(globals.Equals("Quest", "Door", 0));
    EXPECT_FALSE(globals.Less("Quest", "Door", 1));
    EXPECT_EQ(globals.Count(), 0);

    globals.Declare("Quest", "Door");
    EXPECT_TRUE(globals.Equals("QUEST", "door", 0));
    EXPECT_TRUE(globals.Set("quest", "DOOR", 5));
    globals.Declare("QUEST", "DOOR");
    EXPECT_TRUE(globals.Equals("Quest", "Door", 5));
    EXPECT_TRUE(globals.Add("Quest", "Door", -7));
    EXPECT_TRUE(globals.Less("Quest", "Door", -1));
    EXPECT_FALSE(globals.Greater("Quest", "Door", -2));
    EXPECT_TRUE(globals.Set("Quest", "Door", INT32_MAX));
    EXPECT_TRUE(globals.Add("Quest", "Door", 1)); // wraps as the 32-bit value it is
    EXPECT_TRUE(globals.Equals("Quest", "Door", INT32_MIN));
    EXPECT_EQ(globals.Count(), 1);
    globals.Reset();
    EXPECT_FALSE(globals.Equals("Quest", "Door", INT32_MIN));
}

TEST(GlobalMgr, StoredInDeclarationOrderAndLoadedWithoutDuplicates) {
    GlobalMgr globals;
    DeclareTwo(globals);
    EXPECT_EQ(Saved(globals), kTwoEntries);

    GlobalMgr loaded;
    loaded.Declare("Old", "Gone");
    for (int pass = 0; pass < 2; ++pass) {
        TestStream stream(kTwoEntries);
        ASSERT_TRUE(loaded.Load(stream));
        EXPECT_EQ(loaded.Count(), 2);
    }
    EXPECT_FALSE(loaded.Equals("Old", "Gone", 0));
    EXPECT_TRUE(loaded.Equals("QUEST", "GOLD", -2));
    EXPECT_EQ(Saved(loaded), kTwoEntries);
}

TEST(GlobalMgr, DamagedRecordsAreRefusedAndChangeNothing) {
    const auto withCount = [](uint8_t low, uint8_t high) {
        Bytes bytes = kTwoEntries;
        bytes[0] = low;
        bytes[3] = high;
        return bytes;
    };
    std::vector<Bytes> damaged = {withCount(0xFF, 0xFF), withCount(0x05, 0x00),
                                  withCount(0x00, 0x40)};
    for (size_t size = 0; size < kTwoEntries.size(); ++size)
        damaged.emplace_back(kTwoEntries.begin(), kTwoEntries.begin() + size);
    Bytes unterminated = kTwoEntries;
    unterminated[11] = 'S';
    damaged.push_back(unterminated);

    for (const Bytes& bytes : damaged) {
        GlobalMgr globals;
        globals.Declare("Kept", "Variable");
        TestStream stream(bytes);
        EXPECT_FALSE(globals.Load(stream)) << bytes.size();
        EXPECT_EQ(globals.Count(), 1);
        EXPECT_TRUE(globals.Equals("Kept", "Variable", 0));
    }
}

TEST(GlobalTimerTable, ATimerRunsUntilItsDeadlineHasPassed) {
    GlobalTimerTable timers;
    EXPECT_FALSE(timers.IsRunning("Door", "Bell"));
    EXPECT_FALSE(timers.IsExpired("Door", "Bell"));
    timers.Start("Door", "Bell", 0);
    EXPECT_TRUE(timers.IsRunning("door", "bell"));
    EXPECT_FALSE(timers.IsExpired("door", "bell")) << "at its deadline";
    timers.Advance(1);
    EXPECT_FALSE(timers.IsRunning("Door", "Bell"));
    EXPECT_TRUE(timers.IsExpired("Door", "Bell"));

    timers.Start("Door", "Bell", 2); // a restart
    timers.Start("Door", "Late", -5);
    timers.Advance(2000);
    EXPECT_TRUE(timers.IsRunning("Door", "Bell"));
    EXPECT_FALSE(timers.IsExpired("Door", "Bell")) << "at its deadline";
    EXPECT_TRUE(timers.IsExpired("Door", "Late"));
    timers.Advance(1);
    EXPECT_TRUE(timers.IsExpired("Door", "Bell"));
    EXPECT_EQ(timers.Count(), 2);

    GlobalMgr globals; // a variable may share a timer's names
    globals.Declare("Door", "Bell");
    EXPECT_TRUE(globals.Equals("Door", "Bell", 0));
}

TEST(GlobalTimerTable, StoredAsItsEntriesThenTheClock) {
    GlobalTimerTable timers;
    timers.Advance(0x10000);
    timers.Start("Quest", "Door", 1);
    const Bytes stored = {
        0x01, 0x00, 0x00, 0x00,                       // count
        0x06, 0x00, 'Q',  'u',  'e', 's', 't',  0x00, // scope
        0x05, 0x00, 'D',  'o',  'o', 'r', 0x00,       // name
        0xE8, 0x03, 0x01, 0x00,                       // deadline: 0x10000 + 1000
        0x00, 0x00, 0x01, 0x00,                       // clock
    };
    EXPECT_EQ(Saved(timers), stored);

    GlobalTimerTable loaded;
    loaded.Start("Old", "Gone", 9);
    for (size_t size = 0; size < stored.size(); ++size) {
        TestStream stream(Bytes(stored.begin(), stored.begin() + size));
        EXPECT_FALSE(loaded.ReadCounter(stream)) << size;
        EXPECT_EQ(loaded.GetClock(), 0u);
        EXPECT_TRUE(loaded.IsRunning("Old", "Gone"));
    }
    TestStream stream(stored);
    ASSERT_TRUE(loaded.ReadCounter(stream));
    EXPECT_EQ(loaded.GetClock(), 0x10000u);
    EXPECT_FALSE(loaded.IsRunning("Old", "Gone"));
    loaded.Advance(1000);
    EXPECT_TRUE(loaded.IsRunning("Quest", "Door"));
    loaded.Reset();
    EXPECT_EQ(loaded.GetClock(), 0u);
    EXPECT_EQ(loaded.Count(), 0);
}

} // namespace
