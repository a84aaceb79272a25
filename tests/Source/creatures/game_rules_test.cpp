#include "Source/creatures/game_rules.h"

#include "platform/win_rand.h"
#include "rule_tables_support.h"
#include "scripted_random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using testsupport::ScopedRuleTables;
using testsupport::ScriptedRandom;

TEST(GameRules, DiceShowOneToSidesLessOne) {
    platform::SeedRand(7);
    EXPECT_EQ(GameRules::RollDice(3, 1, 2), 5);
    EXPECT_EQ(GameRules::RollDice(0, 6, 4), 4);
    int highest = 0;
    for (int roll = 0; roll < 2000; ++roll)
        highest = std::max(highest, GameRules::RollDice(1, 6, 0));
    EXPECT_EQ(highest, 5);

    ScriptedRandom random({5, 3});
    EXPECT_EQ(GameRules::RollDice(2, 6, -1), 7);
    EXPECT_EQ(random.Ranges(), (std::vector<std::pair<int, int>>{{1, 6}, {1, 6}}));
}

TEST(GameRules, AChanceOfPSucceedsOnRollsUpToP) {
    ScriptedRandom random;
    EXPECT_FALSE(GameRules::Chance(0)); // no roll at all
    EXPECT_FALSE(GameRules::Chance(-5));
    for (int roll : {0, 50, 99}) {
        random.Give({roll});
        EXPECT_TRUE(GameRules::Chance(99)) << roll;
    }
    random.Give({30, 31, 0});
    EXPECT_TRUE(GameRules::Chance(30));
    EXPECT_FALSE(GameRules::Chance(30));
    EXPECT_TRUE(GameRules::Chance(1));
    EXPECT_EQ(random.Ranges().front(), std::make_pair(0, 100));
    random.Give({50, 51});
    EXPECT_FALSE(GameRules::CoinFlip());
    EXPECT_TRUE(GameRules::CoinFlip());
}

TEST(GameRules, ExperiencePerLevelComesFromTheLevelTable) {
    EXPECT_EQ(GameRules::XpRequired(5), 0); // no table loaded
    const ScopedRuleTables tables;
    ASSERT_TRUE(tables.Loaded());
    EXPECT_EQ(GameRules::XpRequired(0), 0);
    EXPECT_EQ(GameRules::XpRequired(1), 100);
    EXPECT_EQ(GameRules::XpRequired(23), 44100 + 2 * 5000);   // past the table, step by step
    EXPECT_EQ(GameRules::XpRequired(2147483647), 2147483647); // held within an int
}

} // namespace
