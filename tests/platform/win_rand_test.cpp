#include "platform/win_rand.h"

#include <gtest/gtest.h>

TEST(WinRand, SeededSequenceRepeatsMatchesTheRuntimeAndStaysInRange) {
    platform::SeedRand(1);
    // The first values the Windows runtime gives after srand(1).
    EXPECT_EQ(platform::Rand(), 41);
    EXPECT_EQ(platform::Rand(), 18467);
    platform::SeedRand(1);
    EXPECT_EQ(platform::Rand(), 41);
    for (int i = 0; i < 100000; ++i) {
        const int value = platform::Rand();
        ASSERT_TRUE(value >= 0 && value <= platform::kRandMax) << value;
    }
}
