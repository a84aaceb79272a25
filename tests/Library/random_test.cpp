#include "Library/random.h"

#include "Library/random_timer.h"
#include "platform/win_rand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

constexpr int kDraws = 20000;

TEST(Random, RandomIntStaysBelowHi) {
    platform::SeedRand(3);
    const int next = platform::Rand();
    platform::SeedRand(3);
    EXPECT_EQ(RandomInt(5, 5), 5);
    EXPECT_EQ(platform::Rand(), next); // the equal range drew nothing

    std::set<int> seen;
    for (int i = 0; i < kDraws; ++i) {
        ASSERT_EQ(RandomInt(0, 1), 0);
        const int value = RandomInt(-3, 4);
        ASSERT_GE(value, -3);
        ASSERT_LT(value, 4);
        seen.insert(value);
        const int reversed = RandomInt(10, 7); // lies in [10, 13)
        ASSERT_GE(reversed, 10);
        ASSERT_LT(reversed, 13);
    }
    EXPECT_EQ(seen.size(), 7u);
}

TEST(Random, RandomFloatNeverReachesHi) {
    platform::SeedRand(11);
    float lowest = 1.0f, highest = 0.0f;
    for (int i = 0; i < kDraws; ++i) {
        const float value = RandomFloat(0.0f, 1.0f);
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    EXPECT_EQ(lowest, 0.0f);
    EXPECT_FLOAT_EQ(highest, 0.999f);
    EXPECT_LT(highest, 1.0f);
}

TEST(Random, SignedVariantsTakeBothSigns) {
    platform::SeedRand(5);
    int negative = 0;
    for (int i = 0; i < kDraws; ++i) {
        const float value = RandomSignedFloat(1.0f, 2.0f);
        ASSERT_GE(std::fabs(value), 1.0f);
        ASSERT_LT(std::fabs(value), 2.0f);
        const int whole = RandomSignedInt(1, 3);
        ASSERT_TRUE(whole == 1 || whole == 2 || whole == -1 || whole == -2);
        negative += value < 0.0f;
    }
    EXPECT_GT(negative, kDraws / 3);
    EXPECT_LT(negative, kDraws * 2 / 3);
    EXPECT_EQ(RandomSignedInt(4, 4), 4);
}

TEST(Random, RandomVectorSpreadsAroundTheHeading) {
    platform::SeedRand(9);
    for (int i = 0; i < 1000; ++i) {
        const Vector v = RandomVector(1.0f, 3.0f, 0.5f);
        ASSERT_NEAR(v.Length(), 3.0f, 1e-5f);
        ASSERT_EQ(v.z, 0.0f);
        ASSERT_NEAR(v.Heading(), 1.0f, 0.25f + 1e-5f);
    }
}

TEST(RandomTimer, FiresOncePerPeriodFromARandomPhase) {
    RandomTimer always(0);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(always.Tick(0));

    platform::SeedRand(21);
    RandomTimer timer(100);
    int firstFire = -1;
    int fires = 0;
    for (int tick = 0; tick < 100; ++tick) {
        if (timer.Tick(10)) {
            if (firstFire < 0)
                firstFire = tick;
            ++fires;
        }
    }
    EXPECT_LT(firstFire, 10);
    EXPECT_EQ(fires, 1 + (99 - firstFire) / 10);
}

} // namespace
