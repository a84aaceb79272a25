#include "Source/world/game_clock.h"

#include "Library/core/game_mode_id.h"
#include "Library/core/test_stream_support.h"
#include "Library/scripts/global_timer_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr uint32_t kFrameMs = 33;
// Hours since the start of the Julian count keep game time to some 30 microseconds.
constexpr double kSecondsPrecision = 1e-4;

class GameClockTest : public ::testing::Test {
protected:
    Bytes Saved() const {
        return WrittenBy([&](Stream& stream) { return m_clock.Save(stream); });
    }
    bool Load(const Bytes& bytes) {
        TestStream stream(bytes);
        return m_clock.Load(stream);
    }
    std::pair<int, int> PhaseAt(int hour, int minute, int second, int ms) {
        m_clock.SetDateTime(ms, second, minute, hour, 1, 5, 2001);
        m_clock.Tick(0, kModeAreaMap);
        return {m_clock.GetPhaseHour(), m_clock.GetPeriod()};
    }

    GlobalTimerTable m_gameTime;
    GlobalTimerTable m_realTime;
    GameClock m_clock{m_gameTime, m_realTime};
};

TEST_F(GameClockTest, ANewClockIsInTheDayUntilItsFirstTick) {
    EXPECT_EQ(m_clock.GetPeriod(), GameClock::kDay);
    PhaseAt(23, 0, 0, 0);
    m_clock.ResetForNewGame();
    EXPECT_EQ(m_clock.GetPeriod(), GameClock::kDay);
    EXPECT_EQ(m_clock.GetPhaseHour(), GameClock::kMidnight);
}

TEST_F(GameClockTest, StoredAsTheDateThenTheHoursOfTheLastTick) {
    const Bytes stored =
        TypedBytes().U32(2003).U32(10).U32(9).U32(8).U32(7).U32(6).U32(5).F64(48000000.25).Get();
    ASSERT_TRUE(Load(stored));
    EXPECT_EQ(Saved(), stored);

    for (size_t size = 0; size < stored.size(); ++size)
        EXPECT_FALSE(Load(Bytes(stored.begin(), stored.begin() + size))) << size;
    Bytes notANumber = stored;
    PutFieldAt(notANumber.data(), 28, std::nan(""));
    EXPECT_FALSE(Load(notANumber));
    EXPECT_EQ(Saved(), stored);
}

// Real play time counts only on the area map and the world map.
TEST_F(GameClockTest, AFrameAdvancesByTheFactorOfTheSpeedMode) {
    struct Case {
        int speed;
        int gameMs;
        int mode;
    };
    const Case cases[] = {{0, 792, kModeAreaMap},     {1, 19800, kModeWorldMap},
                          {2, 39600, kModeRest},      {3, 99000, kModeStoryPage},
                          {4, 792000, kModeGameMenu}, {5, 1584000, kModeAreaMap},
                          {6, 33, kModeAreaMap},      {-1, 33, kModeAreaMap}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.speed);
        m_clock.SetDateTime(0, 0, 0, 10, 1, 1, 2002);
        const uint32_t game = m_gameTime.GetClock();
        const uint32_t real = m_realTime.GetClock();
        DateTime expected = m_clock.GetDateTime();
        expected.AddMilliseconds(test.gameMs);
        m_clock.SetSpeedMode(test.speed);
        m_clock.Tick(kFrameMs, test.mode);
        EXPECT_EQ(m_clock.GetDateTime(), expected);
        EXPECT_EQ(m_gameTime.GetClock() - game, static_cast<uint32_t>(test.gameMs));
        const bool onMap = test.mode == kModeAreaMap || test.mode == kModeWorldMap;
        EXPECT_EQ(m_realTime.GetClock() - real, onMap ? kFrameMs : 0u);
        EXPECT_NEAR(m_clock.GetElapsedSeconds(), test.gameMs / 1000.0, kSecondsPrecision);
        EXPECT_NEAR(m_clock.GetElapsedRounds() * 10, m_clock.GetElapsedSeconds(),
                    kSecondsPrecision);
    }
}

TEST_F(GameClockTest, ThePhasesOfTheDayStartOnTheHour) {
    m_clock.SetSpeedMode(4); // 13 min 12 s a frame
    std::vector<std::pair<int, int>> sequence;
    for (int frame = 0; frame < 120; ++frame) {
        m_clock.Tick(kFrameMs, kModeAreaMap);
        const std::pair<int, int> phase{m_clock.GetPhaseHour(), m_clock.GetPeriod()};
        if (sequence.empty() || sequence.back() != phase)
            sequence.push_back(phase);
    }
    using C = GameClock;
    const std::vector<std::pair<int, int>> day = {
        {C::kMidnight, C::kNight}, {C::kDawnStart, C::kMorning}, {C::kDawnEnd, C::kMorning},
        {C::kNoon, C::kDay},       {C::kDuskStart, C::kDusk},    {C::kMidnight, C::kNight}};
    EXPECT_EQ(sequence, day);

    EXPECT_EQ(PhaseAt(5, 59, 59, 999), std::make_pair(0, 2));
    EXPECT_EQ(PhaseAt(6, 0, 0, 0), std::make_pair(6, 3)); // the first instant already
    EXPECT_EQ(PhaseAt(19, 0, 0, 0), std::make_pair(0, 2));
}

TEST_F(GameClockTest, AFirstTickMeasuresOnlyItsFrame) {
    // A new clock, a loaded one and one whose date was set all measure from their date.
    m_clock.Tick(kFrameMs, kModeAreaMap);
    EXPECT_NEAR(m_clock.GetElapsedSeconds(), 0.792, kSecondsPrecision);

    GlobalTimerTable gameTime, realTime;
    GameClock earlier(gameTime, realTime);
    earlier.SetDateTime(0, 0, 0, 3, 2, 2, 1999);
    m_clock.SetSpeedMode(5);
    for (int frame = 0; frame < 10; ++frame)
        m_clock.Tick(kFrameMs, kModeAreaMap);
    ASSERT_TRUE(Load(WrittenBy([&](Stream& stream) { return earlier.Save(stream); })));
    m_clock.SetSpeedMode(0);
    m_clock.Tick(kFrameMs, kModeAreaMap);
    EXPECT_NEAR(m_clock.GetElapsedSeconds(), 0.792, kSecondsPrecision);
    EXPECT_EQ(m_clock.GetDateTime().GetYear(), 1999);

    // A new game starts again on 30 April 2001 at midnight, at the normal pace.
    m_clock.SetSpeedMode(5);
    m_clock.ResetForNewGame();
    DateTime start;
    start.Set(0, 0, 0, 0, 30, 4, 2001);
    EXPECT_EQ(m_clock.GetDateTime(), start);
    m_clock.Tick(kFrameMs, kModeAreaMap);
    EXPECT_NEAR(m_clock.GetElapsedSeconds(), 0.792, kSecondsPrecision);
}

} // namespace
