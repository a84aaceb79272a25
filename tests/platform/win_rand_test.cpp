#include "platform/win_rand.h"

#include <gtest/gtest.h>

TEST(WinRand, SeededSequenceRepeatsAndMatchesTheRuntime) {
    platform::SeedRand(1);
    // The first values the Windows runtime gives after srand(1).
    EXPECT_EQ(platform::Rand(), 41);
    EXPECT_EQ(platform::Rand(), 18467);
    EXPECT_EQ(platform::Rand(), 6334);
    platform::SeedRand(1);
    EXPECT_EQ(platform::Rand(), 41);
}

TEST(WinRand, StaysInRange) {
    platform::SeedRand(12345);
    for (int i = 0; i < 100000; ++i) {
        const int value = platform::Rand();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, platform::kRandMax);
    }
}
