#pragma once
// The rules' random source for one test: hands out the rolls the test gives, in order, and
// keeps the ranges asked for. A draw past the rolls, or a roll outside its range, fails the
// test.

#include "Library/world/random_source.h"
#include "Source/creatures/game_rules.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace testsupport {

class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<int> rolls = {}) : m_rolls(std::move(rolls)) {
        GameRules::SetRandomSource(this);
    }
    ~ScriptedRandom() override { GameRules::SetRandomSource(nullptr); }
    ScriptedRandom(const ScriptedRandom&) = delete;
    ScriptedRandom& operator=(const ScriptedRandom&) = delete;

    int Int(int lo, int hi) override {
        m_ranges.emplace_back(lo, hi);
        if (m_next >= m_rolls.size()) {
            ADD_FAILURE() << "an unexpected draw from " << lo << " to " << hi;
            return lo;
        }
        const int roll = m_rolls[m_next++];
        EXPECT_TRUE(lo == hi ? roll == lo : roll >= lo && roll < hi)
            << roll << " drawn from " << lo << " to " << hi;
        return roll;
    }

    float SignedFloat(float lo, float) override {
        ADD_FAILURE() << "the rules draw no floats";
        return lo;
    }

    void Give(std::vector<int> rolls) {
        m_rolls = std::move(rolls);
        m_next = 0;
        m_ranges.clear();
    }
    size_t Left() const { return m_rolls.size() - m_next; }
    const std::vector<std::pair<int, int>>& Ranges() const { return m_ranges; }

private:
    std::vector<int> m_rolls;
    size_t m_next = 0;
    std::vector<std::pair<int, int>> m_ranges;
};

} // namespace testsupport
