#include "Library/core/random.h"

#include "Library/core/random_timer.h"
#include "platform/win_rand.h"

#include <gtest/gtest.h>

#include <algorithm>
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
        seen.insert(RandomInt(-3, 4));
        const int reversed = RandomInt(10, 7); // lies in [10, 13)
        ASSERT_TRUE(reversed >= 10 && reversed < 13) << reversed;
    }
    EXPECT_EQ(seen, (std::set<int>{-3, -2, -1, 0, 1, 2, 3}));
}

TEST(Random, RandomFloatNeverReachesHi) {
    platform::SeedRand(11);
    float lowest = 1.0f, highest = 0.0f;
    int negative = 0;
    for (int i = 0; i < kDraws; ++i) {
        const float value = RandomFloat(0.0f, 1.0f);
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
        negative += RandomSignedFloat(1.0f, 2.0f) < 0.0f;
    }
    EXPECT_EQ(lowest, 0.0f);
    EXPECT_FLOAT_EQ(highest, 0.999f);
    EXPECT_TRUE(negative > kDraws / 3 && negative < kDraws * 2 / 3) << negative;
}

// Half the spread either side of the heading, reaching both sides.
TEST(Random, RandomVectorSpreadsAroundTheHeading) {
    platform::SeedRand(9);
    for (const float heading : {0.3f, 1.0f, 2.0f}) {
        float lowest = heading, highest = heading;
        for (int i = 0; i < 1000; ++i) {
            const Vector v = RandomVector(heading, 3.0f, 0.5f);
            ASSERT_NEAR(v.Length(), 3.0f, 1e-5f);
            ASSERT_EQ(v.z, 0.0f);
            lowest = std::min(lowest, v.Heading());
            highest = std::max(highest, v.Heading());
        }
        EXPECT_GE(lowest, heading - 0.25f - 1e-5f);
        EXPECT_LT(lowest, heading - 0.2f);
        EXPECT_LE(highest, heading + 0.25f + 1e-5f);
        EXPECT_GT(highest, heading + 0.2f);
    }
}

TEST(RandomTimer, FiresOncePerPeriodFromARandomPhase) {
    platform::SeedRand(21);
    RandomTimer timer(100);
    int firstFire = -1, fires = 0;
    for (int tick = 0; tick < 100; ++tick) {
        if (timer.Tick(10) && fires++ == 0)
            firstFire = tick;
    }
    EXPECT_LT(firstFire, 10);
    EXPECT_EQ(fires, 1 + (99 - firstFire) / 10);
}

} // namespace
