#include "Source/creatures/game_rules.h"

#include "Source/creatures/two_dim_array_mgr.h"
#include "platform/win_rand.h"
#include "rule_tables_support.h"
#include "scripted_random.h"

#include <gtest/gtest.h>

#include <functional>

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

TEST(GameRules, AttributesConvertToDerivedValuesByTheirBands) {
    struct Band {
        const char* rule;
        std::function<int(int)> convert;
        std::vector<std::pair<int, int>> points; // (argument, result)
    };
    const Band bands[] = {
        {"melee damage", GameRules::MeleeDamageFor, {{0, 0}, {1, 1}, {6, 1}, {7, 2}, {12, 7}}},
        {"reach", GameRules::ReachFor, {{-1, 0}, {0, 0}, {1, 1}, {8, 15}}},
        {"healing rate",
         GameRules::HealingRateFor,
         {{0, 0}, {1, 1}, {5, 1}, {6, 2}, {8, 2}, {9, 3}, {10, 3}, {11, 4}, {40, 4}}},
        {"speed",
         GameRules::SpeedFor,
         {{0, 0},
          {1, 5},
          {2, 6},
          {3, 6},
          {4, 7},
          {5, 7},
          {6, 8},
          {7, 8},
          {8, 9},
          {9, 9},
          {10, 10},
          {30, 10}}},
        {"skill point cost",
         GameRules::SkillPointCost,
         {{0, 0},
          {1, 1},
          {100, 1},
          {101, 2},
          {125, 2},
          {126, 3},
          {150, 3},
          {151, 4},
          {175, 4},
          {176, 5},
          {200, 5},
          {201, 6}}},
    };
    for (const Band& band : bands) {
        for (const auto& [argument, result] : band.points)
            EXPECT_EQ(band.convert(argument), result) << band.rule << " of " << argument;
    }
    EXPECT_EQ(GameRules::SkillGainPerPoint(1, true), 2);
    EXPECT_EQ(GameRules::SkillGainPerPoint(1, false), 1);
}

TEST(GameRules, ExperiencePerLevelComesFromTheLevelTable) {
    EXPECT_EQ(GameRules::XpRequired(5), 0); // no table loaded
    const ScopedRuleTables tables;
    ASSERT_TRUE(tables.Loaded());
    EXPECT_EQ(GameRules::XpRequired(0), 0);
    EXPECT_EQ(GameRules::XpRequired(1), 100);
    EXPECT_EQ(GameRules::XpRequired(21), 44100);
    EXPECT_EQ(GameRules::XpRequired(22), 44100 + 5000);
    EXPECT_EQ(GameRules::XpRequired(23), 44100 + 2 * 5000);
    EXPECT_EQ(GameRules::XpRequired(32767), 44100 + (32767 - 21) * 5000);
    EXPECT_EQ(GameRules::XpRequired(2147483647), 2147483647); // held within an int
}

} // namespace
