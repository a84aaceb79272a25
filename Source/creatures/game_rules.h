#pragma once
// Every numeric rule of play: chance and dice rolls, the conversions from attributes to
// derived values, experience per level and skill-point costs. The rules are stateless; the
// one GameRules object the set-up makes only carries the timers of the world-map checks.
// Every roll draws from the rules' random source.

#include "Library/core/random_timer.h"

#include <memory>

class RandomSource;

class GameRules {
public:
    static constexpr int kMaxLevelRow = 21; // later levels add the "22+" step

    GameRules(); // both timers at one second, from a random phase
    GameRules(const GameRules&) = delete;
    GameRules& operator=(const GameRules&) = delete;
    virtual ~GameRules();

    static RandomSource& Random();
    static void SetRandomSource(RandomSource* source); // null: the runtime generator

    // count < 1: bonus; else bonus + count rolls of a die of sides, each Draw (1, sides),
    // so a die shows 1 to sides - 1 (1 for a single side).
    static int RollDice(int count, int sides, int bonus);
    // A percent roll of 0 to 99 at most percent: percent + 1 chances in 100; never below 1.
    static bool Chance(int percent);
    static bool CoinFlip(); // a percent roll above 50: 49 chances in 100

    static int MeleeDamageFor(int strength);
    static int ReachFor(int attribute);
    static int HealingRateFor(int endurance);
    static int SpeedFor(int agility);
    // The "XP_REQUIRED" of the level's row of "LevelProgression.2DA", past row 21 that of
    // row 21 plus a "22+" step per level; 0 below level 1 or when a lookup fails.
    static int XpRequired(int level);
    static int SkillPointCost(int value);
    static int SkillGainPerPoint(int gain, bool tagged) { return tagged ? gain * 2 : gain; }

    static constexpr int TaggedSkillBonus() { return 20; }
    static constexpr float ActionTimeFactor() { return 5.0f; }
    static constexpr int MaxTaggedSpells() { return 3; }
    static constexpr double TenthFactor() { return 0.1; }
    static constexpr float UnitFactor() { return 1.0f; }

    RandomTimer& GetEncounterTimer() { return *m_encounterTimer; }
    RandomTimer& GetDiscoveryTimer() { return *m_discoveryTimer; }

private:
    static constexpr int kCheckPeriodMs = 1000;

    std::unique_ptr<RandomTimer> m_encounterTimer;
    std::unique_ptr<RandomTimer> m_discoveryTimer;
};

// Made by the game's set-up.
extern GameRules* g_gameRules;
